#include "runtimeerror.h"

#include <QCoreApplication>

namespace shell {

namespace {

QString errorDescription(ErrorCode code)
{
    switch (code) {
    case ErrorCode::Overflow:
        return QCoreApplication::translate("shell", "Переполнение");
    case ErrorCode::TypeMismatch:
        return QCoreApplication::translate("shell", "Несоответствие типа");
    }
    return QString();
}

} // namespace

QString errorMessage(ErrorCode code)
{
    return QCoreApplication::translate("shell", "Ошибка выполнения '%1':\n\n%2")
        .arg(static_cast<int>(code))
        .arg(errorDescription(code));
}

} // namespace shell
