#include "ui/main_window/recent_files.h"

#include <QSettings>
#include <QVariant>

namespace amp::ui {
namespace {

const QString kRecentFilesKey = QStringLiteral("progetti_recenti");

QSettings ProgramSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     QStringLiteral("amplificatore-audio"), QStringLiteral("amplificatore"));
}

}  // namespace

RecentFilesStore SettingsRecentFilesStore() {
    return {
        [] { return ProgramSettings().value(kRecentFilesKey).toStringList(); },
        [](const QStringList& paths) { ProgramSettings().setValue(kRecentFilesKey, paths); },
    };
}

RecentFiles::RecentFiles(RecentFilesStore store, QObject* parent)
    : QObject(parent), store_(std::move(store)) {
    QStringList stored = store_.load();
    stored.removeDuplicates();
    paths_ = stored.mid(0, kMaxCount);
}

void RecentFiles::Add(const QString& path) {
    QStringList paths = paths_;
    paths.removeAll(path);
    paths.prepend(path);
    Keep(paths.mid(0, kMaxCount));
}

void RecentFiles::Remove(const QString& path) {
    QStringList paths = paths_;
    paths.removeAll(path);
    Keep(paths);
}

void RecentFiles::Clear() {
    Keep({});
}

void RecentFiles::Keep(QStringList paths) {
    if (paths == paths_) return;
    paths_ = std::move(paths);
    store_.save(paths_);
    emit changed();
}

}  // namespace amp::ui
