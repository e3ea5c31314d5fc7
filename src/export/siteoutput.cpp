#include "export/siteoutput.h"

#include "export/zipwriter.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
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
        QFile file(m_folder + u'/' + name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return fail(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
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
    explicit ZipOutput(const QString &path) : m_file(path), m_zip(m_file)
    {
        if (!m_file.open(QIODevice::WriteOnly))
            m_error = QStringLiteral("cannot create %1: %2").arg(path, m_file.errorString());
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
        if (!m_zip.finish() || !m_file.commit())
            return fail();
        return true;
    }
    QString error() const override { return m_error; }

private:
    bool fail()
    {
        m_error = QStringLiteral("cannot write %1: %2").arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    QSaveFile m_file; // discarded unless committed
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
