#include "platform/messages.h"

#include <QCoreApplication>
#include <QTranslator>

#include <algorithm>
#include <atomic>

namespace platform {

namespace {

constexpr const char* context = "Messages";

std::atomic<const QTranslator*> translation{nullptr};

// The line in the language, its %n the count n (-1: none).
QString lookUp(const char* source, int n)
{
    const QTranslator* t = translation.load(std::memory_order_acquire);
    if (t == nullptr) {
        return QCoreApplication::translate(context, source, nullptr, n);
    }
    QString said = t->translate(context, source, nullptr, n);
    if (said.isEmpty()) {
        said = QString::fromUtf8(source);
    }
    if (n >= 0) {
        said.replace(QStringLiteral("%n"), QString::number(n));
    }
    return said;
}

}  // namespace

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < values.size()) {
                out += *(values.begin() + index);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

void setMessageTranslation(const QTranslator* t)
{
    translation.store(t, std::memory_order_release);
}

QString messageText(const char* source)
{
    return lookUp(source, -1);
}

std::string message(const char* source, std::initializer_list<std::string_view> values)
{
    return fillIn(messageText(source).toStdString(), values);
}

std::string counted(const char* source, std::size_t n, std::initializer_list<std::string_view> values)
{
    const int form = static_cast<int>(std::min<std::size_t>(n, 1000000000));
    QString said = lookUp(source, form);
    if (said == QString::fromUtf8(source).replace(QStringLiteral("%n"), QString::number(form))) {
        said.replace(QStringLiteral("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    }
    return fillIn(said.toStdString(), values);
}

}  // namespace platform
