#include "ui/common/locale.h"

#include <QLocale>

namespace ui {

std::string DecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

std::int16_t DecimalSeparatorCode()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() <= 0xFF ? static_cast<std::int16_t>(point[0].unicode()) : '.';
}

}  // namespace ui
