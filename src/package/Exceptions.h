#pragma once

#include <QString>

#include <exception>

namespace schemakit {

// Base of every error SchemaKit raises. The message is user-facing text (usually a
// resource string) and is what the error boundary shows.
class Exception : public std::exception {
public:
    explicit Exception(QString message);
    ~Exception() override;

    const QString& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override;

private:
    QString FMessage;
    QByteArray FUtf8;
};

// The silent abort: unwinds to the nearest handler and is never reported.
class EAbort : public Exception {
public:
    EAbort();
    ~EAbort() override;
};

// A text that should hold a number (or another strict value) does not.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    ~EConvertError() override;
};

// An object was handed over as a class it is not (for instance a row whose owner
// is not a box).
class EInvalidCast : public Exception {
public:
    EInvalidCast();
    ~EInvalidCast() override;
};

// Reading or writing a file failed.
class EFileError : public Exception {
public:
    using Exception::Exception;
    ~EFileError() override;
};

// Raises the silent abort.
[[noreturn]] void Abort();

} // namespace schemakit
