#pragma once
// The window template: the configured main window written as text, one property of one
// named object per line ("Label1.text=Výukový program"), from which every deeper level
// window is made. Values escape "\" as "\\", line ends as "\n"/"\r", and characters the
// code page lacks as "\uXXXX", so the file stays a plain Windows-1250 text file.
#include <QList>
#include <QString>

namespace lumora::windowtemplate {

inline constexpr char Header[] = "LUMORA WINDOW TEMPLATE 1";

struct Property {
    QString object;
    QString name;
    QString value;
    bool operator==(const Property &) const = default;
};

QString escape(const QString &value);
QString unescape(const QString &value);

// Text lines of a template (header first).
QStringList toLines(const QList<Property> &properties);

// Parses lines; lines that are not "object.name=value" are skipped. Throws
// FileFormatError when the header is missing.
QList<Property> fromLines(const QStringList &lines, const QString &fileName);

void save(const QString &path, const QList<Property> &properties);
QList<Property> load(const QString &path);

} // namespace lumora::windowtemplate
