#include "Exceptions.h"

namespace schemakit {

Exception::Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8())
{
}

Exception::~Exception() = default;

const char* Exception::what() const noexcept
{
    return FUtf8.constData();
}

EAbort::EAbort() : Exception(QStringLiteral("Operation aborted"))
{
}
EAbort::~EAbort() = default;

EConvertError::~EConvertError() = default;

EInvalidCast::EInvalidCast() : Exception(QStringLiteral("Invalid class typecast"))
{
}
EInvalidCast::~EInvalidCast() = default;

EFileError::~EFileError() = default;

void Abort()
{
    throw EAbort();
}

} // namespace schemakit
