#include "platform/registry.h"

#include "platform/bytelines.h"
#include "platform/fileio.h"
#include "platform/regsyntax.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSet>
#include <QStringDecoder>
#include <QUtf8StringView>

#include <sys/stat.h>

#include <cerrno>

#include <algorithm>

namespace tarvelo {

Q_LOGGING_CATEGORY(lcRegistry, "tarvelo.registry")

namespace {

constexpr std::array<const char*, kAllHives.size()> kHiveNames = {
    "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA",
};

// Long enough to ride out another copy's write (milliseconds), short enough that a
// wedged lock does not hang the program.
constexpr int kLockWaitMs = 10000;

QString fold(QStringView s) { return s.toString().toCaseFolded(); }

QStringView parentOf(QStringView path)
{
    const qsizetype slash = path.lastIndexOf(u'\\');
    return slash < 0 ? QStringView() : path.first(slash);
}

QStringView lastName(QStringView path) { return path.sliced(path.lastIndexOf(u'\\') + 1); }

Registry* g_registryOverride = nullptr;

// The text of a file saved as UTF-16, as UTF-8; nullopt for a file that is not.
struct Utf16Text {
    QByteArray utf8;
    bool whole = true;  // false when some of the bytes were no UTF-16
};
std::optional<Utf16Text> fromUtf16(QByteArrayView bytes)
{
    const std::optional<QStringConverter::Encoding> encoding = utf16Encoding(bytes);
    if (!encoding)
        return std::nullopt;
    QStringDecoder decoder(*encoding);
    const QString text = decoder(bytes);
    return Utf16Text{text.toUtf8(), !decoder.hasError()};
}

}  // namespace

std::optional<QStringConverter::Encoding> utf16Encoding(QByteArrayView bytes)
{
    if (bytes.size() < 2)
        return std::nullopt;
    if (bytes.startsWith("\xFF\xFE") || (bytes[0] != 0 && bytes[1] == 0))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF") || (bytes[0] == 0 && bytes[1] != 0))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

QString hiveName(Hive hive) { return QString::fromLatin1(kHiveNames[static_cast<std::size_t>(hive)]); }

std::optional<Hive> hiveFromName(QStringView name)
{
    for (const Hive hive : kAllHives)
        if (name.compare(QLatin1StringView(kHiveNames[static_cast<std::size_t>(hive)]), Qt::CaseInsensitive) == 0)
            return hive;
    return std::nullopt;
}

bool isValidKeyPath(QStringView path)
{
    if (path.isEmpty())
        return true;
    if (path.size() > kMaxKeyPathLength)
        return false;
    qsizetype depth = 0;
    for (const QStringView name : path.tokenize(u'\\')) {
        if (name.isEmpty() || name.size() > kMaxKeyNameLength || ++depth > kMaxKeyDepth)
            return false;
        for (const QChar c : name)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return false;
    }
    return true;
}

bool isValidValueName(QStringView name) { return name.size() <= kMaxValueNameLength; }

QString RegistryValue::toText() const
{
    return type == Type::String ? text : QString::number(dword);
}

const RegistryValue* RegistryKey::find(QStringView name) const
{
    const auto it = index_.constFind(fold(name));
    return it == index_.cend() ? nullptr : &values_[*it].value;
}

bool RegistryKey::set(const QString& name, const RegistryValue& value)
{
    const QString folded = fold(name);
    const auto it = index_.constFind(folded);
    if (it == index_.cend()) {
        index_.insert(folded, values_.size());
        values_.append({name, value});
        return true;
    }
    if (values_[*it].value == value)
        return false;
    values_[*it].value = value;
    return true;
}

bool RegistryKey::remove(QStringView name)
{
    const auto it = index_.constFind(fold(name));
    if (it == index_.cend())
        return false;
    values_.removeAt(*it);
    index_.clear();
    for (qsizetype i = 0; i < values_.size(); ++i)
        index_.insert(fold(values_[i].name), i);
    return true;
}

const RegistryKey* HiveData::find(QStringView path) const
{
    const auto it = index_.constFind(fold(path));
    return it == index_.cend() ? nullptr : &keys_[*it];
}

RegistryKey* HiveData::find(QStringView path)
{
    return const_cast<RegistryKey*>(std::as_const(*this).find(path));
}

RegistryKey* HiveData::create(QStringView path)
{
    if (!isValidKeyPath(path))
        return nullptr;
    if (RegistryKey* existing = find(path))
        return existing;
    if (path.isEmpty()) {
        if (keys_.size() >= static_cast<std::size_t>(kMaxKeysPerHive))
            return nullptr;
        keys_.emplace_back();
        index_.insert(QString(), keys_.size() - 1);
        return &keys_.back();
    }

    // Walk down from the top: existing parents keep their spelling, new ones take the
    // caller's.
    QList<QStringView> names;
    for (const QStringView name : path.tokenize(u'\\'))
        names.append(name);
    QString built;
    qsizetype missingFrom = -1;
    QList<QString> paths;
    for (qsizetype i = 0; i < names.size(); ++i) {
        QString candidate = built.isEmpty() ? names[i].toString() : built + u'\\' + names[i].toString();
        if (missingFrom < 0) {
            if (const RegistryKey* parent = find(candidate))
                candidate = parent->path;
            else
                missingFrom = i;
        }
        paths.append(candidate);
        built = candidate;
    }
    if (keys_.size() + static_cast<std::size_t>(names.size() - missingFrom) > static_cast<std::size_t>(kMaxKeysPerHive))
        return nullptr;
    for (qsizetype i = missingFrom; i < paths.size(); ++i) {
        keys_.emplace_back(paths[i]);
        index_.insert(fold(paths[i]), keys_.size() - 1);
    }
    return &keys_.back();
}

bool HiveData::remove(QStringView path)
{
    if (path.isEmpty() || !find(path))
        return false;
    const QString gone = fold(path);
    const QString below = gone + u'\\';
    std::erase_if(keys_, [&](const RegistryKey& k) {
        const QString f = fold(k.path);
        return f == gone || f.startsWith(below);
    });
    reindex();
    return true;
}

QStringList HiveData::subKeyNames(QStringView path) const
{
    const QString parent = fold(path);
    QStringList names;
    for (const RegistryKey& k : keys_)
        if (!k.path.isEmpty() && fold(parentOf(k.path)) == parent)
            names.append(lastName(k.path).toString());
    return names;
}

std::vector<const RegistryKey*> HiveData::tree(QStringView path) const
{
    const QString top = fold(path);
    const QString below = top + u'\\';
    std::vector<const RegistryKey*> out;
    for (const RegistryKey& k : keys_) {
        const QString f = fold(k.path);
        if (top.isEmpty() || f == top || f.startsWith(below))
            out.push_back(&k);
    }
    return out;
}

void HiveData::reindex()
{
    index_.clear();
    for (std::size_t i = 0; i < keys_.size(); ++i)
        index_.insert(fold(keys_[i].path), i);
}

HiveData readHiveFile(QByteArrayView bytes, Hive hive, HiveFileReport* report)
{
    HiveFileReport local;
    HiveFileReport& r = report ? *report : local;
    r = {};
    if (bytes.size() > kMaxRegistryFileBytes) {
        r.truncated = true;
        bytes = bytes.first(kMaxRegistryFileBytes);
        bytes = bytes.first(bytes.lastIndexOf('\n') + 1);  // no half line
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const std::optional<Utf16Text> utf16 = fromUtf16(bytes);
    if (utf16) {
        if (!utf16->whole)
            ++r.badLines;
        bytes = utf16->utf8;
    }

    HiveData data;
    RegistryKey* key = nullptr;  // valid until the next create()
    QString why;
    ByteLines lines(bytes);
    while (!lines.atEnd()) {
        const QByteArrayView raw = lines.next();
        if (!QUtf8StringView(raw).isValidUtf8()) {
            ++r.badLines;
            continue;
        }
        const QString text = QString::fromUtf8(raw);
        const QStringView line = regsyntax::trimmed(text);
        if (regsyntax::isBlankOrComment(line))
            continue;
        if (regsyntax::looksLikeHeader(line)) {
            const auto header = regsyntax::parseHeader(line, &why);
            key = header && header->hive == hive ? data.create(header->path) : nullptr;
            if (!key)
                ++r.badLines;
            continue;
        }
        const auto value = key ? regsyntax::parseValueLine(line, regsyntax::Escapes::HiveFile, &why)
                               : std::nullopt;
        if (value)
            key->set(value->name, value->value);
        else
            ++r.badLines;
    }
    return data;
}

QByteArray writeHiveFile(const HiveData& data, Hive hive)
{
    // A key without values that has subkeys is implied by them; leaving it out keeps
    // the file to the keys that say something.
    QSet<QString> parents;
    for (const RegistryKey& k : data.keys())
        if (!k.path.isEmpty())
            parents.insert(fold(parentOf(k.path)));

    QString out = QStringLiteral("; Tarvelo registry, %1, UTF-8\n").arg(hiveName(hive));
    for (const RegistryKey& k : data.keys()) {
        if (k.values().isEmpty() && (k.path.isEmpty() || parents.contains(fold(k.path))))
            continue;
        out += u'\n' + regsyntax::formatHeader(hive, k.path) + u'\n';
        for (const NamedRegistryValue& v : k.values())
            out += regsyntax::formatValueLine(v, regsyntax::Escapes::HiveFile) + u'\n';
    }
    return out.toUtf8();
}

// ---------------------------------------------------------------------------------------

Registry::Registry(QString folder) : folder_(std::move(folder))
{
    if (!folder_.isEmpty() && !folder_.endsWith(u'/'))
        folder_ += u'/';
    QStringList hiveFiles;
    for (const Hive hive : kAllHives)
        hiveFiles << QFileInfo(hiveFilePath(hive)).fileName();
    removeStaleTemporaryFiles(folder_, hiveFiles);
    if (!folder_.isEmpty() && QFileInfo(folder_).isDir())
        makePrivateFolder(folder_);
}

Registry::~Registry() = default;

QString Registry::hiveFilePath(Hive hive) const { return folder_ + hiveName(hive) + QStringLiteral(".reg"); }

namespace {

template <typename Stamp>
Stamp stampOf(const struct stat& st)
{
    Stamp s;
    s.exists = true;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.mtimeSec = st.st_mtim.tv_sec;
    s.mtimeNsec = st.st_mtim.tv_nsec;
    s.ctimeSec = st.st_ctim.tv_sec;
    s.ctimeNsec = st.st_ctim.tv_nsec;
    return s;
}

}  // namespace

Registry::Loaded Registry::load(Hive hive) const
{
    Loaded result;
    const QString path = hiveFilePath(hive);
    FileRead read = readRegularFile(path, kMaxRegistryFileBytes, Oversize::KeepHead);
    if (read.status == FileRead::Status::Missing)
        return result;
    if (read.status == FileRead::Status::Unreadable) {
        result.readable = false;
        result.error = read.error;
        return result;
    }
    // The stamp of the open file, so that it describes exactly the bytes read even when
    // another copy replaces the file meanwhile.
    result.stamp = stampOf<FileStamp>(read.info);
    // A file over the limit is read as far as it goes; the report marks it damaged.
    result.bytes = std::move(read.bytes);
    result.data = readHiveFile(result.bytes, hive, &result.report);
    if (result.report.damaged())
        qCWarning(lcRegistry) << "registry file" << path << "is damaged:" << result.report.badLines
                              << "unreadable lines" << (result.report.truncated ? "and cut at the size limit" : "");
    return result;
}

const HiveData& Registry::current(Hive hive)
{
    Cache& cache = cache_[static_cast<std::size_t>(hive)];
    FileStamp now;
    struct stat st {};
    if (::stat(QFile::encodeName(hiveFilePath(hive)).constData(), &st) == 0)
        now = stampOf<FileStamp>(st);
    if (cache.valid && cache.stamp == now)
        return cache.data;
    Loaded loaded = load(hive);
    cache.valid = loaded.readable;
    cache.stamp = loaded.stamp;
    cache.data = loaded.readable ? std::move(loaded.data) : HiveData();
    return cache.data;
}

QString Registry::keepDamagedCopy(const QString& path) const
{
    const QString target = damagedFileName(path);
    if (const FileResult copied = copyFile(path, target); !copied)
        return copied.error;
    qCWarning(lcRegistry) << "the damaged registry file was kept as" << target;
    if (onDamagedFileKept)
        onDamagedFileKept(path, target);
    return {};
}

bool Registry::writeFailed(const QString& path, const QString& reason) const
{
    qCWarning(lcRegistry) << "cannot write" << path << ":" << reason;
    if (onWriteFailed)
        onWriteFailed(path, reason);
    return false;
}

bool Registry::holdsAlready(const Loaded& loaded, const HiveData& data, Hive hive)
{
    const QByteArray bytes = writeHiveFile(data, hive);
    return loaded.stamp.exists ? bytes == loaded.bytes : bytes == writeHiveFile(HiveData(), hive);
}

bool Registry::update(Hive hive, const std::function<bool(HiveData&)>& change)
{
    const QString path = hiveFilePath(hive);
    // A change that alters nothing needs neither the lock nor the disk, which may be full
    // or read-only: the program writes back many values just read.
    if (const Loaded before = load(hive); before.readable && !before.report.damaged()) {
        HiveData data = before.data;
        if (change(data) && holdsAlready(before, data, hive))
            return true;
    }
    if (folder_.isEmpty())
        return writeFailed(path, systemErrorText(ENOENT));
    if (const FileResult folder = makePrivateFolder(folder_); !folder)
        return writeFailed(path, folder.error);
    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    errno = 0;
    if (!lock.tryLock(kLockWaitMs)) {
        // A lock file that cannot be written (a full disk) leaves the system's reason behind.
        const int error = errno;
        return writeFailed(path, systemErrorText(lock.error() == QLockFile::LockFailedError ? EWOULDBLOCK
                                                 : error != 0                               ? error
                                                                                            : EACCES));
    }
    // Qt makes the lock file as the umask says; like the store, it is the user's alone.
    QFile::setPermissions(lockPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // Always from the file itself: another copy may have written since we last looked.
    Loaded fresh = load(hive);
    Cache& cache = cache_[static_cast<std::size_t>(hive)];
    if (!fresh.readable) {
        cache.valid = false;
        return writeFailed(path, fresh.error);
    }
    cache = {true, fresh.stamp, fresh.data};

    HiveData data = std::move(fresh.data);
    if (!change(data))
        return false;
    if (holdsAlready(fresh, data, hive))
        return true;
    const QByteArray bytes = writeHiveFile(data, hive);
    if (bytes.size() > kMaxRegistryFileBytes)
        return writeFailed(path, systemErrorText(EFBIG));
    if (fresh.report.damaged()) {
        if (const QString error = keepDamagedCopy(path); !error.isEmpty())
            return writeFailed(path, error);
    }
    if (const FileResult written = writeFileAtomically(path, bytes); !written)
        return writeFailed(path, written.error);
    FileStamp written;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        written = stampOf<FileStamp>(st);
    cache = {true, written, std::move(data)};
    return true;
}

bool Registry::repair(Hive hive)
{
    const Loaded loaded = load(hive);
    if (!loaded.readable || !loaded.report.damaged())
        return loaded.readable;
    return update(hive, [](HiveData&) { return true; });
}

bool Registry::keyExists(Hive hive, QStringView path)
{
    return path.isEmpty() || current(hive).find(path) != nullptr;
}

std::optional<RegistryValue> Registry::value(Hive hive, QStringView path, QStringView name)
{
    const RegistryKey* key = current(hive).find(path);
    const RegistryValue* v = key ? key->find(name) : nullptr;
    return v ? std::optional<RegistryValue>(*v) : std::nullopt;
}

QList<NamedRegistryValue> Registry::values(Hive hive, QStringView path)
{
    const RegistryKey* key = current(hive).find(path);
    return key ? key->values() : QList<NamedRegistryValue>();
}

QStringList Registry::subKeyNames(Hive hive, QStringView path) { return current(hive).subKeyNames(path); }

HiveData Registry::snapshot(Hive hive) { return current(hive); }

bool Registry::createKey(Hive hive, QStringView path)
{
    if (!isValidKeyPath(path))
        return false;
    return update(hive, [&](HiveData& data) { return data.create(path) != nullptr; });
}

bool Registry::setValue(Hive hive, QStringView path, const QString& name, const RegistryValue& value)
{
    if (!isValidKeyPath(path) || !isValidValueName(name) ||
        (value.type == RegistryValue::Type::String && value.text.size() > kMaxValueDataLength))
        return false;
    return update(hive, [&](HiveData& data) {
        RegistryKey* key = data.create(path);
        if (!key)
            return false;
        key->set(name, value);
        return true;
    });
}

bool Registry::deleteValue(Hive hive, QStringView path, QStringView name)
{
    if (!isValidKeyPath(path))
        return false;
    return update(hive, [&](HiveData& data) {
        if (RegistryKey* key = data.find(path))
            key->remove(name);
        return true;
    });
}

bool Registry::deleteKey(Hive hive, QStringView path)
{
    if (path.isEmpty() || !isValidKeyPath(path))
        return false;
    return update(hive, [&](HiveData& data) {
        data.remove(path);
        return true;
    });
}

// ---------------------------------------------------------------------------------------

QString registryFolder()
{
    const QString home = qEnvironmentVariable("TARVELO_HOME");
    if (!home.isEmpty())
        return QDir(home).absoluteFilePath(QStringLiteral("registry")) + u'/';
    // XDG: a relative XDG_CONFIG_HOME is invalid and ignored.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir(config).absoluteFilePath(QStringLiteral("tarvelo")) + u'/';
}

Registry& registry()
{
    if (g_registryOverride)
        return *g_registryOverride;
    static Registry instance(registryFolder());
    return instance;
}

ScopedRegistry::ScopedRegistry(Registry& replacement) : previous_(g_registryOverride)
{
    g_registryOverride = &replacement;
}

ScopedRegistry::~ScopedRegistry() { g_registryOverride = previous_; }

}  // namespace tarvelo
