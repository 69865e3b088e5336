#include "ui/common/locale.h"

#include <QLocale>

namespace ui {

std::string DecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

}  // namespace ui
