#pragma once
// Names of the files of an exported site, safe on every web server: ASCII letters,
// digits, "-" and "_" only, lower case, so no two names differ in letter case alone.
// Letters with diacritics lose them ("Číslo" gives "cislo"); every other run of
// characters becomes one "-". A name already taken gets "-2", "-3", … before its
// extension.
#include <QSet>
#include <QString>

namespace lumora::exporting {

// The safe form of one name part (no extension handling): never empty ("x" stands in).
QString safePart(QStringView text);

class SiteNames {
public:
    // Reserves a name that the site writes itself ("index.html").
    void reserve(const QString &name) { m_taken.insert(name); }
    // A new unique name from stem and extension ("kap1", "html" gives "kap1.html").
    // folder ("files/obrazky/", may be empty) is put in front and counts for uniqueness.
    QString unique(const QString &folder, QStringView stem, const QString &extension);

private:
    QSet<QString> m_taken;
};

// A path of the course ("obrazky\\Schéma.bmp") as a safe site path below folder
// ("files/obrazky/schema"), without extension; each folder part made safe.
QString safeFolderPath(QStringView relativePath);

} // namespace lumora::exporting
