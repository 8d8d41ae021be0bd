#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tarvelo {

// The registry in place of the Windows one: seven hives of keys holding text (REG_SZ)
// and 32-bit (REG_DWORD) values. Key paths are written with backslashes below the hive
// ("Software\VB and VBA Program Settings\TQ\Conf"); the empty path is the hive's root.
// Key and value names are found without regard to case but keep the case they were
// created with.

enum class Hive {
    ClassesRoot,
    CurrentUser,
    LocalMachine,
    Users,
    PerformanceData,
    CurrentConfig,
    DynData,
};
inline constexpr std::array kAllHives = {Hive::ClassesRoot, Hive::CurrentUser, Hive::LocalMachine,
                                         Hive::Users, Hive::PerformanceData, Hive::CurrentConfig,
                                         Hive::DynData};

QString hiveName(Hive hive);                            // "HKEY_CURRENT_USER"
std::optional<Hive> hiveFromName(QStringView name);     // any case

// Limits that keep a damaged or hostile file from exhausting memory. The program's own
// data is a few kilobytes.
inline constexpr qsizetype kMaxRegistryFileBytes = 1024 * 1024;
inline constexpr qsizetype kMaxKeyPathLength = 512;
inline constexpr qsizetype kMaxKeyNameLength = 255;
inline constexpr qsizetype kMaxKeyDepth = 32;
inline constexpr qsizetype kMaxValueNameLength = 16383;
inline constexpr qsizetype kMaxValueDataLength = 1024 * 1024;
inline constexpr qsizetype kMaxKeysPerHive = 20000;

// A path of non-empty names without control characters, within the limits above.
bool isValidKeyPath(QStringView path);
bool isValidValueName(QStringView name);

struct RegistryValue {
    enum class Type { String, Dword };
    Type type = Type::String;
    QString text;        // String
    std::uint32_t dword = 0;  // Dword

    static RegistryValue string(QString text) { return {Type::String, std::move(text), 0}; }
    static RegistryValue number(std::uint32_t value) { return {Type::Dword, {}, value}; }
    // The value as text: a string as stored, a DWORD as its unsigned decimal text.
    QString toText() const;
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

struct NamedRegistryValue {
    QString name;  // "" is the key's default value
    RegistryValue value;
    friend bool operator==(const NamedRegistryValue&, const NamedRegistryValue&) = default;
};

class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(QString keyPath) : path(std::move(keyPath)) {}

    QString path;

    const QList<NamedRegistryValue>& values() const { return values_; }  // in the order first set
    const RegistryValue* find(QStringView name) const;
    // Both return whether anything changed. An existing value keeps its name's case.
    bool set(const QString& name, const RegistryValue& value);
    bool remove(QStringView name);

private:
    QList<NamedRegistryValue> values_;
    QHash<QString, qsizetype> index_;  // case-folded name -> position; a file may hold many
};

// The keys of one hive, in the order they were created (parents before children).
class HiveData {
public:
    const RegistryKey* find(QStringView path) const;
    RegistryKey* find(QStringView path);
    // Opens the key, creating it and its missing parents; nullptr for an invalid path or
    // when the hive is full.
    RegistryKey* create(QStringView path);
    // Removes the key with everything below it; false when it did not exist. The root
    // cannot be removed.
    bool remove(QStringView path);
    QStringList subKeyNames(QStringView path) const;
    // The key and every key below it, in creation order.
    std::vector<const RegistryKey*> tree(QStringView path) const;
    const std::vector<RegistryKey>& keys() const { return keys_; }
    bool isEmpty() const { return keys_.empty(); }

private:
    void reindex();
    std::vector<RegistryKey> keys_;
    QHash<QString, std::size_t> index_;  // case-folded path -> position in keys_
};

// The byte order of a file saved as UTF-16: from its byte-order mark, else from the zero
// byte beside its first character (the first line of a hive file or a registry script is
// ASCII, which no other encoding writes with zero bytes); nothing for any other file.
std::optional<QStringConverter::Encoding> utf16Encoding(QByteArrayView bytes);

// The text of a hive file: UTF-8 lines in the REGEDIT4 manner ("[HKEY_CURRENT_USER\key]"
// headers, "name"="text" and "name"=dword:0000000a lines, "@" for the default value),
// with \r and \n escapes besides \" and \\ so that any text survives.
// A file an editor saved as UTF-16 (with or without its byte-order mark) is read too.
struct HiveFileReport {
    int badLines = 0;        // lines skipped because they did not parse
    bool truncated = false;  // the file was over kMaxRegistryFileBytes; the rest was ignored
    bool damaged() const { return badLines > 0 || truncated; }
};
HiveData readHiveFile(QByteArrayView bytes, Hive hive, HiveFileReport* report = nullptr);
QByteArray writeHiveFile(const HiveData& data, Hive hive);

// The file-backed registry: one file per hive in `folder`, "<HIVE NAME>.reg". Every change
// takes the hive's lock file, re-reads the hive file, applies itself and rewrites the
// file atomically, so two running copies of the program never lose each other's writes;
// reads notice when another process has replaced the file. A file with lines that do not
// parse, or that is over the size limit, is read as far as it goes, and its bytes are kept
// in "<file>.damaged-<time>" before the first rewrite. The folder is the user's alone: one
// that others may enter is narrowed when the registry is made. Not thread-safe: the
// program uses it from its one UI thread.
class Registry {
public:
    explicit Registry(QString folder);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    const QString& folder() const { return folder_; }
    QString hiveFilePath(Hive hive) const;

    // Reads. A hive whose file is missing or unreadable is empty.
    bool keyExists(Hive hive, QStringView path);
    std::optional<RegistryValue> value(Hive hive, QStringView path, QStringView name);
    QList<NamedRegistryValue> values(Hive hive, QStringView path);
    QStringList subKeyNames(Hive hive, QStringView path);
    HiveData snapshot(Hive hive);

    // Writes; each returns false when nothing could be stored (invalid name, lock not
    // obtained, file not writable), and then nothing has changed. Deleting what does not
    // exist succeeds.
    bool createKey(Hive hive, QStringView path);
    bool setValue(Hive hive, QStringView path, const QString& name, const RegistryValue& value);
    bool deleteValue(Hive hive, QStringView path, QStringView name);
    bool deleteKey(Hive hive, QStringView path);  // with its subkeys
    // Several changes to one hive as one write: `change` edits the current contents and
    // returns false to abandon them all.
    bool update(Hive hive, const std::function<bool(HiveData&)>& change);

    // Rewrites a hive file that did not read whole with what could be read, keeping the
    // file aside first (see above); nothing to do for a sound or missing one. False when
    // the file could not be read or rewritten.
    bool repair(Hive hive);

    // Told of every change that could not be stored: the hive file and the system's reason.
    std::function<void(const QString& file, const QString& reason)> onWriteFailed;
    // Told when a hive file that did not read whole was kept aside: the file and its copy.
    std::function<void(const QString& file, const QString& keptAs)> onDamagedFileKept;

private:
    struct FileStamp {
        bool exists = false;
        std::uint64_t device = 0, inode = 0;
        std::int64_t size = 0, mtimeSec = 0, mtimeNsec = 0, ctimeSec = 0, ctimeNsec = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    struct Loaded {
        bool readable = true;
        QString error;  // why it is not readable
        FileStamp stamp;
        QByteArray bytes;
        HiveData data;
        HiveFileReport report;
    };
    struct Cache {
        bool valid = false;
        FileStamp stamp;
        HiveData data;
    };

    Loaded load(Hive hive) const;
    const HiveData& current(Hive hive);
    // The reason a copy could not be made; empty when it was.
    QString keepDamagedCopy(const QString& path) const;
    bool writeFailed(const QString& path, const QString& reason) const;
    // The file already holds exactly `data`.
    static bool holdsAlready(const Loaded& loaded, const HiveData& data, Hive hive);

    QString folder_;
    std::array<Cache, kAllHives.size()> cache_;
};

// Where the program keeps its hives: "$TARVELO_HOME/registry/" when TARVELO_HOME is set,
// else "$XDG_CONFIG_HOME/tarvelo/" (by default "~/.config/tarvelo/"), with a trailing "/".
QString registryFolder();

// The program's registry, on registryFolder(), opened at first use.
Registry& registry();

// Puts another registry in place of the program's for the life of the guard (tests).
class ScopedRegistry {
public:
    explicit ScopedRegistry(Registry& replacement);
    ~ScopedRegistry();
    ScopedRegistry(const ScopedRegistry&) = delete;
    ScopedRegistry& operator=(const ScopedRegistry&) = delete;

private:
    Registry* previous_;
};

}  // namespace tarvelo
