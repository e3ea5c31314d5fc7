#pragma once
// The manifest of a SCORM package ("imsmanifest.xml"), SCORM 1.2 or SCORM 2004 4th
// Edition: one organisation with one item per course, each item launching its
// course's SCO (the course's launcher, which holds the table of contents and every
// screen), and the resources that list every file of the package.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace lumora::exporting {

enum class ScormEdition { Scorm12, Scorm2004 };

struct ManifestItem {
    QString title;
    QString resource; // the identifier of the SCO it launches
};

struct ManifestResource {
    QString identifier; // unique, an XML name
    QString href;       // the launch page (a SCO) or empty (files alone)
    QStringList files;  // every file the resource needs, href first
    bool sco = false;
    QStringList dependencies; // identifiers of other resources
};

struct Manifest {
    ScormEdition edition = ScormEdition::Scorm12;
    QString identifier;
    QString title;
    QList<ManifestItem> items;
    QList<ManifestResource> resources;
};

QByteArray manifestXml(const Manifest &manifest);

// The schema files a package of the edition carries at its root, with their bytes.
QList<QPair<QString, QByteArray>> scormSchemas(ScormEdition edition);

} // namespace lumora::exporting
