// Lighter stand-ins for three pieces of the statically linked C++ run-time,
// linked into the executable only. They keep the executable small: with the
// run-time's own versions, the error reporting of the standard containers
// drags in the standard exception classes of both string ABIs, and the
// default terminate handler a C++ name demangler: together about 130 KB of
// a 32-bit executable of 310 KB.
//
// What the program sees stays the same:
//  - a container error (a string too long, an index out of range, no memory,
//    an empty function called) is still thrown as an exception whose text is
//    the run-time's own; it arrives as an Exception, which the error display
//    shows with the same text it shows for a standard exception;
//  - std::terminate still ends the program with abort(). The default handler
//    would first describe the uncaught exception on the standard error
//    stream, which a windowed program does not have; and the entry point
//    catches every exception anyway.
//
// The linker takes these definitions before it searches the run-time
// library. Should another part of the library ever need one of its own
// versions, the link fails with a duplicate definition rather than mixing
// the two.
#include "Exceptions.h"

#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace __gnu_cxx {

// The run-time's own small formatter (%zu, %s and %%), used by its
// out-of-range message.
int __snprintf_lite(char* buffer, std::size_t size, const char* format, va_list arguments);

void __verbose_terminate_handler() { std::abort(); }

} // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() { throw Exception("std::bad_alloc"); }

void __throw_bad_function_call() { throw Exception("bad_function_call"); }

void __throw_length_error(const char* message) { throw Exception(message); }

void __throw_logic_error(const char* message) { throw Exception(message); }

void __throw_out_of_range_fmt(const char* format, ...)
{
    // At most two numbers and a short string are filled in.
    const std::size_t size = std::strlen(format) + 512;
    char* const text = static_cast<char*>(__builtin_alloca(size));
    va_list arguments;
    va_start(arguments, format);
    __gnu_cxx::__snprintf_lite(text, size, format, arguments);
    va_end(arguments);
    throw Exception(text);
}

} // namespace std
