// Linked with the core library alone; the test reads which shared libraries it needs.
#include "config/texttable.h"

int main()
{
    return lumora::config::trimmed(QStringLiteral(" core ")).size() == 4 ? 0 : 1;
}
