#include "runtimeerror.h"

namespace shell {

namespace {

QString errorDescription(ErrorCode code)
{
    switch (code) {
    case ErrorCode::Overflow:
        return QStringLiteral("Переполнение");
    case ErrorCode::TypeMismatch:
        return QStringLiteral("Несоответствие типа");
    }
    return QString();
}

} // namespace

QString errorMessage(ErrorCode code)
{
    return QStringLiteral("Ошибка выполнения '%1':\n\n%2")
        .arg(static_cast<int>(code))
        .arg(errorDescription(code));
}

} // namespace shell
