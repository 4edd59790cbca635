#include "managers/size_info.h"

#include <QLocale>

namespace managers {

std::int32_t sideValue(const QString& text) {
    std::int64_t value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > INT32_MAX)
            return INT32_MAX;
    }
    return static_cast<std::int32_t>(value);
}

QString normalizedSide(const QString& text) {
    if (text.isEmpty() || sideValue(text) < kSmallestSide)
        return QString::number(kSmallestSide);
    return text;
}

namespace {

// cells * 8 / 1024 in hundredths, rounded half to even.
std::int64_t kilobyteHundredths(std::int64_t cells) {
    const std::int64_t numerator = cells * 8 * 100;
    const std::int64_t quotient = numerator / 1024;
    const std::int64_t twice = (numerator % 1024) * 2;
    if (twice > 1024 || (twice == 1024 && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

} // namespace

SizeInfo sizeInfo(std::int32_t width, std::int32_t height, const QLocale& locale) {
    SizeInfo info;
    info.cells = width * height;
    info.pixelWidth = width * 32;
    info.pixelHeight = height * 32;
    const std::int64_t hundredths = kilobyteHundredths(static_cast<std::int64_t>(width) * height);
    QString text = QString::number(hundredths / 100);
    if (const std::int64_t fraction = hundredths % 100; fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
        if (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += locale.decimalPoint() + digits;
    }
    info.dataVolume = text + QStringLiteral(" Kb");
    return info;
}

} // namespace managers
