#include "runtimeerror.h"

namespace shell {

QString errorDescription(ErrorCode code)
{
    switch (code) {
    case ErrorCode::InvalidCall:
        return QStringLiteral("Недопустимый вызов процедуры или аргумент");
    case ErrorCode::Overflow:
        return QStringLiteral("Переполнение");
    case ErrorCode::SubscriptOutOfRange:
        return QStringLiteral("Индекс вне диапазона");
    case ErrorCode::DivisionByZero:
        return QStringLiteral("Деление на ноль");
    case ErrorCode::TypeMismatch:
        return QStringLiteral("Несоответствие типа");
    }
    return QString();
}

QString errorMessage(ErrorCode code)
{
    return QStringLiteral("Ошибка выполнения '%1':\n\n%2")
        .arg(static_cast<int>(code))
        .arg(errorDescription(code));
}

} // namespace shell
