// lumora-check: the course checker for authors and their build pipelines.
#include "check/authorcheck.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = lumora::check::runCheck(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return status;
}
