#include "export/scormmanifest.h"

#include "export/lessonhtml.h"

#include <QFile>
#include <QUrl>

namespace lumora::exporting {

namespace {

void writeItem(const Manifest &m, int index, int depth, QString &out)
{
    const ManifestItem &item = m.items.at(index);
    const QString indent(depth * 2, u' ');
    // Every item opens the launcher at its screen, so the LMS tracks the learner
    // wherever the course is entered.
    out += indent
        + QStringLiteral("<item identifier=\"ITEM-%1\" identifierref=\"%2\" parameters=\"%3\">\n")
              .arg(QString::number(index + 1), escapeHtml(m.launcher),
                   escapeHtml(QStringLiteral("?page=") + QString::fromLatin1(QUrl::toPercentEncoding(item.page))));
    out += indent + QStringLiteral("  <title>%1</title>\n").arg(escapeHtml(item.title));
    for (const int child : item.children)
        writeItem(m, child, depth + 1, out);
    out += indent + QStringLiteral("</item>\n");
}

} // namespace

QByteArray manifestXml(const Manifest &m)
{
    QString out;
    out += QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<manifest identifier=\"%1\" version=\"1.0\"\n"
               "          xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\"\n"
               "          xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_rootv1p2\"\n"
               "          xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
               "          xsi:schemaLocation=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd "
               "http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 imsmd_rootv1p2p1.xsd "
               "http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd\">\n"
               "  <metadata>\n"
               "    <schema>ADL SCORM</schema>\n"
               "    <schemaversion>1.2</schemaversion>\n"
               "  </metadata>\n"
               "  <organizations default=\"ORG-1\">\n"
               "    <organization identifier=\"ORG-1\">\n"
               "      <title>%2</title>\n")
               .arg(escapeHtml(m.identifier), escapeHtml(m.title));
    for (const int root : m.roots)
        writeItem(m, root, 3, out);
    out += QStringLiteral("    </organization>\n  </organizations>\n  <resources>\n");
    for (const ManifestResource &r : m.resources) {
        out +=
            QStringLiteral("    <resource identifier=\"%1\" type=\"webcontent\" adlcp:scormtype=\"%2\" href=\"%3\">\n")
                .arg(escapeHtml(r.identifier), r.launchable ? QStringLiteral("sco") : QStringLiteral("asset"),
                     escapeHtml(r.href));
        for (const QString &file : r.files)
            out += QStringLiteral("      <file href=\"%1\"/>\n").arg(escapeHtml(file));
        for (const QString &dependency : r.dependencies)
            out += QStringLiteral("      <dependency identifierref=\"%1\"/>\n").arg(escapeHtml(dependency));
        out += QStringLiteral("    </resource>\n");
    }
    out += QStringLiteral("  </resources>\n</manifest>\n");
    return out.toUtf8();
}

QList<QPair<QString, QByteArray>> scormSchemas()
{
    QList<QPair<QString, QByteArray>> out;
    for (const char *name : {"imscp_rootv1p1p2.xsd", "adlcp_rootv1p2.xsd", "imsmd_rootv1p2p1.xsd", "ims_xml.xsd"}) {
        QFile file(QStringLiteral(":/export/scorm12-schemas/") + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("the schema %s is not built in", name);
        out.append({QLatin1String(name), file.readAll()});
    }
    return out;
}

} // namespace lumora::exporting
