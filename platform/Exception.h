#pragma once

#include <QString>
#include <exception>

// The one error type of the program. It carries the message shown to the
// user and, for the start-up error box, its kind and the code address at
// which it was raised.
class Exception : public std::exception
{
public:
    explicit Exception(const QString &message);
    ~Exception() override;

    const QString &message() const { return m_message; }
    // The class name shown in the "Application Error" box.
    virtual QString kind() const { return QStringLiteral("Exception"); }
    const void *address() const { return m_address; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
    const void *m_address;
};

#define DAIXI_EXCEPTION_KIND(Name, Base)                                                           \
    class Name : public Base                                                                       \
    {                                                                                              \
    public:                                                                                        \
        using Base::Base;                                                                          \
        QString kind() const override { return QStringLiteral(#Name); }                            \
    };

// The silent kind: dropped by the message loop without a word.
DAIXI_EXCEPTION_KIND(EAbort, Exception)
// A call that is not valid in the object's present state.
DAIXI_EXCEPTION_KIND(EInvalidOperation, Exception)
// The system could not provide a resource (a timer, a window).
DAIXI_EXCEPTION_KIND(EOutOfResources, Exception)
// Memory could not be had.
DAIXI_EXCEPTION_KIND(EOutOfMemory, Exception)
// A call of the embedded browser reported failure.
DAIXI_EXCEPTION_KIND(EOleError, Exception)
