#include "shell/qt_settings.h"

#include <QFile>
#include <QStringDecoder>
#include <limits>

namespace {

// A settings file is a few hundred bytes; anything this large is not ours and
// is not worth reading.
constexpr qint64 kLargestSettingsFile = 1 << 20;

bool IsUint32Text(const QString& text) {
    if (text.isEmpty() || text.size() > 10) {
        return false;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return text.toULongLong() <= std::numeric_limits<std::uint32_t>::max();
}

}  // namespace

CQtSettings::CQtSettings()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Quillfen Software"),
                                            QStringLiteral("Torvane"))) {
    // The registry and other native stores keep their own types; only a
    // plain file can be damaged behind our back.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    checkFile_ = true;
#endif
    CheckFile();
}

CQtSettings::CQtSettings(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)), checkFile_(true) {
    CheckFile();
}

void CQtSettings::CheckFile() {
    usable_ = !checkFile_ || FileStillSound();
    if (usable_) {
        settings_->allKeys();  // loads the file, which sets the status
        usable_ = settings_->status() == QSettings::NoError;
    }
}

bool CQtSettings::FileStillSound() {
    if (!checkFile_) {
        return true;
    }
    QFile file(settings_->fileName());
    if (!file.exists()) {
        return true;  // the first write creates it
    }
    if (file.size() > kLargestSettingsFile || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return LooksLikeSettingsFile(file.readAll());
}

bool CQtSettings::LooksLikeSettingsFile(const QByteArray& contents) {
    // Stateless: a file cut off inside a character is damaged, not waiting
    // for more bytes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(contents);
    if (utf8.hasError()) {
        return false;
    }
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    for (const QChar c : text) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7F;
        if (control && c != QLatin1Char('\n') && c != QLatin1Char('\r') && c != QLatin1Char('\t')) {
            return false;
        }
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']'))) {
                return false;
            }
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.left(equals).trimmed().isEmpty()) {
            return false;
        }
    }
    return true;
}

SettingValue CQtSettings::Decode(const QVariant& stored) {
    SettingValue value;
    switch (stored.typeId()) {
        case QMetaType::QString:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: {
            const QString text = stored.toString();
            if (IsUint32Text(text)) {
                return SettingValue::Dword(static_cast<std::uint32_t>(text.toULongLong()));
            }
            return SettingValue::String(text.toStdString());
        }
        default:
            return value;  // lists, binary data and the like: neither type
    }
}

QString CQtSettings::ValuePath(const std::string& key, const std::string& name) const {
    const QString value = QString::fromStdString(name);
    return key.empty() ? value : QString::fromStdString(key) + QLatin1Char('/') + value;
}

bool CQtSettings::KeyExists(const std::string& key) const {
    if (!usable_) {
        return false;
    }
    // The application key and its two subkeys are made by the first write.
    if (key.empty() || key == kSettingsKey || key == kScoresKey || createdKeys_.count(key) != 0) {
        return true;
    }
    return settings_->childGroups().contains(QString::fromStdString(key));
}

bool CQtSettings::CreateKey(const std::string& key) {
    if (!usable_) {
        return false;
    }
    createdKeys_.insert(key);
    return true;
}

std::optional<SettingValue> CQtSettings::Read(const std::string& key,
                                              const std::string& name) const {
    if (!usable_) {
        return std::nullopt;
    }
    const QVariant stored = settings_->value(ValuePath(key, name));
    if (!stored.isValid()) {
        return std::nullopt;
    }
    return Decode(stored);
}

bool CQtSettings::Write(const std::string& key, const std::string& name,
                        const SettingValue& value) {
    if (!KeyExists(key)) {
        return false;
    }
    // Another copy of the program, or the player, may have touched the file.
    if (!FileStillSound()) {
        usable_ = false;
        return false;
    }
    switch (value.type) {
        case SettingValue::Type::Dword:
            settings_->setValue(ValuePath(key, name), QVariant::fromValue<quint32>(value.dword));
            break;
        case SettingValue::Type::String:
            settings_->setValue(ValuePath(key, name), QString::fromStdString(value.text));
            break;
        case SettingValue::Type::Other:
            return false;
    }
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

std::vector<std::string> CQtSettings::ValueNames(const std::string& key) const {
    std::vector<std::string> names;
    if (!KeyExists(key)) {
        return names;
    }
    if (!key.empty()) {
        settings_->beginGroup(QString::fromStdString(key));
    }
    for (const QString& name : settings_->childKeys()) {
        names.push_back(name.toStdString());
    }
    if (!key.empty()) {
        settings_->endGroup();
    }
    return names;
}

void CQtSettings::DeleteValue(const std::string& key, const std::string& name) {
    if (!KeyExists(key)) {
        return;
    }
    if (!FileStillSound()) {
        usable_ = false;
        return;
    }
    settings_->remove(ValuePath(key, name));
    settings_->sync();
}
