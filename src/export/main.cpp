// lumora-export: a course as a static web site or as a SCORM package.
#include "export/exportcommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = lumora::exporting::runExport(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return status;
}
