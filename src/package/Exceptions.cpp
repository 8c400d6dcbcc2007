#include "Exceptions.h"

#include <QCoreApplication>

namespace schemakit {

Exception::Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8())
{
}

Exception::~Exception() = default;

const char* Exception::what() const noexcept
{
    return FUtf8.constData();
}

EAbort::EAbort() : Exception(QCoreApplication::translate("schemakit", "Operation aborted"))
{
}
EAbort::~EAbort() = default;

EConvertError::~EConvertError() = default;

EInvalidCast::EInvalidCast() : Exception(QCoreApplication::translate("schemakit", "Invalid class typecast"))
{
}
EInvalidCast::~EInvalidCast() = default;

EFileError::~EFileError() = default;

EDatabaseError::EDatabaseError(QString message, TErrorType type, QString nativeErrorCode, QString driverText,
                               QString databaseText, QString statement)
    : Exception(std::move(message)), FErrorType(type), FNativeErrorCode(std::move(nativeErrorCode)),
      FDriverText(std::move(driverText)), FDatabaseText(std::move(databaseText)), FStatement(std::move(statement))
{
}
EDatabaseError::~EDatabaseError() = default;

void Abort()
{
    throw EAbort();
}

} // namespace schemakit
