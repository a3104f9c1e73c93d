#include "app/form1.h"
#include "platform/pictures.h"
#include "platform/qttimebase.h"
#include "platform/terminate.h"
#include "sound/outputsystem.h"

#include <QApplication>
#include <random>

int main(int argc, char** argv)
{
    QApplication::setStyle(QStringLiteral("Fusion"));  // button faces show their colour
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavelin-piano"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavelin Piano"));
    QApplication::setApplicationVersion(QStringLiteral("3.03"));

    platform::QtTimeBase time;
    sound::DefaultOutputSystem outputs{sound::SynthConfig{}};
    platform::MessageBoxSink messages;
    const Form1Services services{time, outputs, messages, &platform::reportToStderr,
                                 QCoreApplication::applicationDirPath(), std::random_device{}(), 0};
    Form1 form(services);
    platform::closeOnTerminate(&form);
    form.show();
    return QApplication::exec();
}
