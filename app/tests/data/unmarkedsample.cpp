// A sample for the check of unmarked texts: one line says a sentence that
// no translation sees, beside the marked and the kept ones.
#include <QtGlobal>

#include <string>

std::string marked()
{
    return QT_TRANSLATE_NOOP("Messages", "cannot open the door");
}

std::string unmarked()
{
    return "cannot open the window";
}
