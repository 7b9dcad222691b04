#include "cli/standard_streams.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace dorvane {

namespace {

bool isTerminal(std::FILE* stream) {
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) == 1;
#endif
}

}  // namespace

bool standardInputIsTerminal() { return isTerminal(stdin); }
bool standardOutputIsTerminal() { return isTerminal(stdout); }
bool standardErrorIsTerminal() { return isTerminal(stderr); }

}  // namespace dorvane
