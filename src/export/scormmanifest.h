#pragma once
// The manifest of a SCORM 1.2 package ("imsmanifest.xml"): one organisation whose items
// are the course tree, one launchable resource (the page that talks to the LMS), and one
// resource per screen that lists the screen's page and every file the page uses.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumora::exporting {

struct ManifestItem {
    QString title;
    QString page;        // the screen's page the item opens ("kap1.html")
    QList<int> children; // indices into the item list
};

struct ManifestResource {
    QString identifier; // unique, an XML name
    QString href;       // the page
    QStringList files;  // every file the resource needs, href first
    bool launchable = false;
    QStringList dependencies; // identifiers of other resources
};

struct Manifest {
    QString identifier;
    QString title;
    QList<ManifestItem> items; // items[roots…] are the organisation's top items
    QList<int> roots;
    QString launcher; // the launchable resource's identifier
    QList<ManifestResource> resources;
};

QByteArray manifestXml(const Manifest &manifest);

// The schema files a package carries at its root, with their bytes.
QList<QPair<QString, QByteArray>> scormSchemas();

} // namespace lumora::exporting
