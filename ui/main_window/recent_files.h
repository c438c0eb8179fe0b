#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

namespace amp::ui {

// Where the list of recent designs is kept between runs. The program keeps it in the user's
// settings; tests keep it in memory.
struct RecentFilesStore {
    std::function<QStringList()> load;
    std::function<void(const QStringList&)> save;
};

// The user's settings file of the program.
RecentFilesStore SettingsRecentFilesStore();

// The designs opened or saved last, newest first, at most kMaxCount, each once.
class RecentFiles : public QObject {
    Q_OBJECT

  public:
    static constexpr int kMaxCount = 8;

    explicit RecentFiles(RecentFilesStore store, QObject* parent = nullptr);

    const QStringList& Paths() const { return paths_; }

    // Puts the path first.
    void Add(const QString& path);
    void Remove(const QString& path);
    void Clear();

  signals:
    void changed();

  private:
    void Keep(QStringList paths);

    RecentFilesStore store_;
    QStringList paths_;
};

}  // namespace amp::ui
