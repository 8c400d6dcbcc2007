#pragma once

#include <schemakit/schemakit_export.h>

#include <QString>

#include <exception>

namespace schemakit {

/// Base of every error SchemaKit raises. The message is user-facing text (usually a
/// resource string) and is what the error boundary shows.
class SCHEMAKIT_EXPORT Exception : public std::exception {
public:
    /// An error with the given message.
    explicit Exception(QString message);
    ~Exception() override;

    /// The user-facing message.
    const QString& Message() const noexcept { return FMessage; }
    /// The message in UTF-8.
    const char* what() const noexcept override;

private:
    QString FMessage;
    QByteArray FUtf8;
};

/// The silent abort: unwinds to the nearest handler and is never reported.
class SCHEMAKIT_EXPORT EAbort : public Exception {
public:
    /// The abort, with the message "Operation aborted".
    EAbort();
    ~EAbort() override;
};

/// A text that should hold a number (or another strict value) does not.
class SCHEMAKIT_EXPORT EConvertError : public Exception {
public:
    /// An error with the given message.
    using Exception::Exception;
    ~EConvertError() override;
};

/// An object was handed over as a class it is not (for instance a row whose owner
/// is not a box).
class SCHEMAKIT_EXPORT EInvalidCast : public Exception {
public:
    /// The error with the message "Invalid class typecast".
    EInvalidCast();
    ~EInvalidCast() override;
};

/// Reading or writing a file failed.
class SCHEMAKIT_EXPORT EFileError : public Exception {
public:
    /// An error with the given message.
    using Exception::Exception;
    ~EFileError() override;
};

/// A database operation failed: opening a database, running or preparing a
/// statement, fetching rows, reading the catalog. Message() is the text a person
/// reads (the database's own where it gave one); the rest is what a program can
/// act on, as the driver reported it.
class SCHEMAKIT_EXPORT EDatabaseError : public Exception {
public:
    /// The driver's classification; the values are those of QSqlError::ErrorType.
    enum TErrorType : int {
        etNoError = 0,          ///< QSqlError::NoError
        etConnectionError = 1,  ///< QSqlError::ConnectionError
        etStatementError = 2,   ///< QSqlError::StatementError
        etTransactionError = 3, ///< QSqlError::TransactionError
        etUnknownError = 4,     ///< QSqlError::UnknownError
    };

    /// An error with the message a person reads and what the driver reported.
    EDatabaseError(QString message, TErrorType type, QString nativeErrorCode, QString driverText,
                   QString databaseText, QString statement = QString());
    ~EDatabaseError() override;

    /// The driver's classification of the error.
    TErrorType ErrorType() const noexcept { return FErrorType; }
    /// The database's own error code ("1" for an SQLite syntax error, "42P01" for
    /// a missing PostgreSQL table); empty when the driver gave none.
    const QString& NativeErrorCode() const noexcept { return FNativeErrorCode; }
    /// The driver's text of the error.
    const QString& DriverText() const noexcept { return FDriverText; }
    /// The database's own text of the error.
    const QString& DatabaseText() const noexcept { return FDatabaseText; }
    /// The statement that failed, as it was sent; empty for a failure that ran
    /// none (opening the database).
    const QString& Statement() const noexcept { return FStatement; }

private:
    TErrorType FErrorType;
    QString FNativeErrorCode;
    QString FDriverText;
    QString FDatabaseText;
    QString FStatement;
};

/// Raises the silent abort.
[[noreturn]] SCHEMAKIT_EXPORT void Abort();

} // namespace schemakit
