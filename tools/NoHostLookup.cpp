// The statically linked command looks up no host names. The FastCGI library refers to
// gethostbyname only in its code that opens a TCP socket of its own, which the command never
// runs: a FastCGI server hands it the listening socket as standard input. This definition keeps
// the C library's lookup, which would need the shared name-service modules at run time, out of
// the static program.
#include <netdb.h>

extern "C" struct hostent* gethostbyname(const char*) {
    h_errno = NO_RECOVERY;
    return nullptr;
}
