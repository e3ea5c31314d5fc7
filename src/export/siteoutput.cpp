#include "export/siteoutput.h"

#include "platform/errors.h"
#include "platform/safefile.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <zip.h>

#include <cerrno>

namespace lumora::exporting {

namespace {

// A name an earlier export may have written: relative, inside its folder.
bool siteRelative(const QString &name)
{
    return !name.isEmpty() && !QDir::isAbsolutePath(name) && !name.startsWith(u'/')
        && !name.split(u'/').contains(QStringLiteral("..")) && !name.contains(u'\\');
}

// The script tag every page of a site carries: how a page an export wrote is told
// from the owner's own.
bool loadsSiteScript(const QString &path)
{
    QFile page(path);
    return page.open(QIODevice::ReadOnly) && page.read(1 << 20).contains("<script src=\"lumora.js\"></script>");
}

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
        m_written.append(name);
        return true;
    }

    bool finish() override
    {
        const QSet<QString> now(m_written.cbegin(), m_written.cend());
        for (const QString &name : earlierFiles()) {
            if (!now.contains(name) && siteRelative(name))
                QFile::remove(m_folder + u'/' + name);
        }
        try {
            fileops::writeFileAt(m_folder + u'/' + QLatin1String(SiteFileList), m_written.join(u'\n').toUtf8() + '\n');
        } catch (const Error &e) {
            return fail(e.message());
        }
        return true;
    }
    QString error() const override { return m_error; }

private:
    // The files the earlier export listed; an export without a list (made before the
    // list was kept, or stopped before writing it) left its pages at the top.
    QStringList earlierFiles() const
    {
        QFile list(m_folder + u'/' + QLatin1String(SiteFileList));
        if (list.open(QIODevice::ReadOnly))
            return QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts);
        return earlierSitePages(m_folder);
    }
    bool fail(const QString &why)
    {
        m_error = why;
        return false;
    }
    QString m_folder;
    QSet<QString> m_made;
    QStringList m_written;
    QString m_error;
};

// The archive through libzip, which writes it to a temporary file beside the target
// and renames that over the target only when the archive is closed complete; an
// archive given up is discarded and leaves nothing.
class ZipOutput : public SiteOutput {
public:
    explicit ZipOutput(const QString &path) : m_path(path), m_time(time_t(QDateTime::currentSecsSinceEpoch()))
    {
        int code = 0;
        m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
        if (!m_zip) {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            m_error =
                QStringLiteral("cannot create %1: %2").arg(path, QString::fromLocal8Bit(zip_error_strerror(&error)));
            zip_error_fini(&error);
        }
    }
    ~ZipOutput() override
    {
        if (m_zip)
            zip_discard(m_zip);
    }

    bool write(const QString &name, const QByteArray &bytes, bool compressible) override
    {
        if (!m_zip)
            return false;
        // The archive reads the bytes when it is closed: they are kept until then.
        m_kept.append(bytes);
        zip_source_t *source = zip_source_buffer(m_zip, m_kept.last().constData(), zip_uint64_t(bytes.size()), 0);
        if (!source)
            return fail();
        const zip_int64_t index = zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            return fail();
        }
        const auto at = zip_uint64_t(index);
        if (zip_set_file_compression(m_zip, at, compressible ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) < 0
            || zip_file_set_mtime(m_zip, at, m_time, 0) < 0
            || zip_file_set_external_attributes(m_zip, at, 0, ZIP_OPSYS_UNIX, zip_uint32_t(0100644) << 16) < 0)
            return fail();
        return true;
    }

    bool finish() override
    {
        if (!m_zip)
            return false;
        if (zip_close(m_zip) < 0)
            return fail();
        m_zip = nullptr;
        m_kept.clear();
        return true;
    }
    QString error() const override { return m_error; }

private:
    bool fail()
    {
        // A full disk is said as the program's other saves say it.
        const int system = zip_error_code_system(zip_get_error(m_zip));
        if (system == ENOSPC || system == EDQUOT)
            m_error = DiskFullError(m_path).message();
        else
            m_error = QStringLiteral("cannot write %1: %2").arg(m_path, QString::fromLocal8Bit(zip_strerror(m_zip)));
        zip_discard(m_zip);
        m_zip = nullptr;
        return false;
    }
    QString m_path;
    time_t m_time;
    zip_t *m_zip = nullptr;
    QList<QByteArray> m_kept;
    QString m_error;
};

} // namespace

QStringList earlierSitePages(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, {QStringLiteral("*.html")}, QDir::Files);
    while (it.hasNext()) {
        if (loadsSiteScript(it.next()))
            out.append(it.fileName());
    }
    out.sort();
    return out;
}

bool holdsEarlierSite(const QString &folder)
{
    return QFileInfo(folder + u'/' + QLatin1String(SiteFileList)).isFile() || !earlierSitePages(folder).isEmpty();
}

std::unique_ptr<SiteOutput> folderOutput(const QString &folder)
{
    return std::make_unique<FolderOutput>(folder);
}

std::unique_ptr<SiteOutput> zipOutput(const QString &file)
{
    return std::make_unique<ZipOutput>(file);
}

} // namespace lumora::exporting
