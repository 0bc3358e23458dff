#include "Exception.h"

// Not inlined, so the return address is the place that raised the error.
__attribute__((noinline)) Exception::Exception(const QString &message)
    : m_message(message), m_utf8(message.toUtf8()), m_address(__builtin_return_address(0))
{
}

Exception::~Exception() = default;
