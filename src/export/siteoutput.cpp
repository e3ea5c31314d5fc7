#include "export/siteoutput.h"

#include "export/zipwriter.h"
#include "platform/errors.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace lumora::exporting {

namespace {

class FolderOutput : public SiteOutput {
public:
    explicit FolderOutput(const QString &folder) : m_folder(QDir(folder).absolutePath()) {}

    bool write(const QString &name, const QByteArray &bytes, bool) override
    {
        const qsizetype slash = name.lastIndexOf(u'/');
        const QString folder = slash < 0 ? m_folder : m_folder + u'/' + name.left(slash);
        if (!m_made.contains(folder)) {
            if (!QDir().mkpath(folder))
                return fail(QStringLiteral("cannot create the folder %1").arg(folder));
            m_made.insert(folder);
        }
        // Each file whole or not at all, and a full disk said as such.
        try {
            fileops::writeFileAt(m_folder + u'/' + name, bytes);
        } catch (const Error &e) {
            return fail(e.message());
        }
        return true;
    }
    bool finish() override { return true; }
    QString error() const override { return m_error; }

private:
    bool fail(const QString &why)
    {
        m_error = why;
        return false;
    }
    QString m_folder;
    QSet<QString> m_made;
    QString m_error;
};

class ZipOutput : public SiteOutput {
public:
    explicit ZipOutput(const QString &path) : m_file(path), m_zip(m_file.device())
    {
        try {
            m_file.open();
        } catch (const Error &e) {
            m_error = e.message();
        }
    }
    bool write(const QString &name, const QByteArray &bytes, bool compressible) override
    {
        if (!m_error.isEmpty())
            return false;
        if (!m_zip.add(name, bytes, compressible))
            return fail();
        return true;
    }
    bool finish() override
    {
        if (!m_error.isEmpty())
            return false;
        const bool zipped = m_zip.finish();
        try {
            // Every byte the archive wrote is checked before it replaces anything.
            m_file.finish();
            if (!zipped)
                return fail();
            m_file.commit();
        } catch (const Error &e) {
            m_error = e.message();
            return false;
        }
        return true;
    }
    QString error() const override { return m_error; }

private:
    bool fail()
    {
        // The device's own failure (a full disk) tells why, when it was one.
        m_error = QStringLiteral("cannot write %1").arg(m_file.path());
        try {
            m_file.finish();
        } catch (const Error &e) {
            m_error = e.message();
        }
        m_file.discard();
        return false;
    }
    fileops::SafeFile m_file; // discarded unless committed
    ZipWriter m_zip;
    QString m_error;
};

} // namespace

std::unique_ptr<SiteOutput> folderOutput(const QString &folder)
{
    return std::make_unique<FolderOutput>(folder);
}

std::unique_ptr<SiteOutput> zipOutput(const QString &file)
{
    return std::make_unique<ZipOutput>(file);
}

} // namespace lumora::exporting
