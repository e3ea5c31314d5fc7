#include "export/scormmanifest.h"

#include "export/lessonhtml.h"

#include <QFile>

namespace lumora::exporting {

namespace {

const char Header12[] =
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
    "  </metadata>\n";

const char Header2004[] = "<manifest identifier=\"%1\" version=\"1.0\"\n"
                          "          xmlns=\"http://www.imsglobal.org/xsd/imscp_v1p1\"\n"
                          "          xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_v1p3\"\n"
                          "          xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
                          "          xsi:schemaLocation=\"http://www.imsglobal.org/xsd/imscp_v1p1 imscp_v1p1.xsd "
                          "http://www.adlnet.org/xsd/adlcp_v1p3 adlcp_v1p3.xsd\">\n"
                          "  <metadata>\n"
                          "    <schema>ADL SCORM</schema>\n"
                          "    <schemaversion>2004 4th Edition</schemaversion>\n"
                          "  </metadata>\n";

} // namespace

QByteArray manifestXml(const Manifest &m)
{
    const bool v2004 = m.edition == ScormEdition::Scorm2004;
    // The attribute naming a resource's kind is spelt differently by the two editions.
    const QString kind = v2004 ? QStringLiteral("adlcp:scormType") : QStringLiteral("adlcp:scormtype");
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    out += QString::fromLatin1(v2004 ? Header2004 : Header12).arg(escapeHtml(m.identifier));
    out += QStringLiteral("  <organizations default=\"ORG-1\">\n"
                          "    <organization identifier=\"ORG-1\">\n"
                          "      <title>%1</title>\n")
               .arg(escapeHtml(m.title));
    for (int i = 0; i < m.items.size(); ++i) {
        const ManifestItem &item = m.items.at(i);
        out += QStringLiteral("      <item identifier=\"ITEM-%1\" identifierref=\"%2\">\n"
                              "        <title>%3</title>\n"
                              "      </item>\n")
                   .arg(QString::number(i + 1), escapeHtml(item.resource), escapeHtml(item.title));
    }
    out += QStringLiteral("    </organization>\n  </organizations>\n  <resources>\n");
    for (const ManifestResource &r : m.resources) {
        out += QStringLiteral("    <resource identifier=\"%1\" type=\"webcontent\" %2=\"%3\"")
                   .arg(escapeHtml(r.identifier), kind, r.sco ? QStringLiteral("sco") : QStringLiteral("asset"));
        if (!r.href.isEmpty())
            out += QStringLiteral(" href=\"%1\"").arg(escapeHtml(r.href));
        out += QStringLiteral(">\n");
        for (const QString &file : r.files)
            out += QStringLiteral("      <file href=\"%1\"/>\n").arg(escapeHtml(file));
        for (const QString &dependency : r.dependencies)
            out += QStringLiteral("      <dependency identifierref=\"%1\"/>\n").arg(escapeHtml(dependency));
        out += QStringLiteral("    </resource>\n");
    }
    out += QStringLiteral("  </resources>\n</manifest>\n");
    return out.toUtf8();
}

QList<QPair<QString, QByteArray>> scormSchemas(ScormEdition edition)
{
    static const QStringList v12{QStringLiteral("imscp_rootv1p1p2.xsd"), QStringLiteral("adlcp_rootv1p2.xsd"),
                                 QStringLiteral("imsmd_rootv1p2p1.xsd"), QStringLiteral("ims_xml.xsd")};
    static const QStringList v2004{QStringLiteral("imscp_v1p1.xsd"),
                                   QStringLiteral("adlcp_v1p3.xsd"),
                                   QStringLiteral("adlnav_v1p3.xsd"),
                                   QStringLiteral("adlseq_v1p3.xsd"),
                                   QStringLiteral("imsss_v1p0.xsd"),
                                   QStringLiteral("imsss_v1p0auxresource.xsd"),
                                   QStringLiteral("imsss_v1p0control.xsd"),
                                   QStringLiteral("imsss_v1p0delivery.xsd"),
                                   QStringLiteral("imsss_v1p0limit.xsd"),
                                   QStringLiteral("imsss_v1p0objective.xsd"),
                                   QStringLiteral("imsss_v1p0random.xsd"),
                                   QStringLiteral("imsss_v1p0rollup.xsd"),
                                   QStringLiteral("imsss_v1p0seqrule.xsd"),
                                   QStringLiteral("imsss_v1p0util.xsd"),
                                   QStringLiteral("xml.xsd"),
                                   QStringLiteral("XMLSchema.dtd"),
                                   QStringLiteral("datatypes.dtd")};
    const bool v2004Edition = edition == ScormEdition::Scorm2004;
    const QString folder =
        v2004Edition ? QStringLiteral(":/export/scorm2004-schemas/") : QStringLiteral(":/export/scorm12-schemas/");
    QList<QPair<QString, QByteArray>> out;
    for (const QString &name : v2004Edition ? v2004 : v12) {
        QFile file(folder + name);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("the schema %s is not built in", qPrintable(name));
        out.append({name, file.readAll()});
    }
    return out;
}

} // namespace lumora::exporting
