// What the program remembers between runs in its settings: the construction
// files used last, for the menu that reopens them, and the folder the file
// dialogs start in.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class QFileDialog;
class QMenu;
class QSettings;

// The program's own settings, the same whatever the application's name.
std::unique_ptr<QSettings> programSettings();

class RecentFiles : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxFiles = 8;

    // Fills the menu with the remembered files and keeps it in step.
    RecentFiles(QMenu* menu, QObject* parent);

    // The remembered files, the most recent first.
    static QStringList files();
    // Puts the file first, dropping the oldest beyond the limit.
    void add(const QString& fileName);
    void remove(const QString& fileName);

    // The file dialogs start in the folder of the file last chosen in one.
    static void startInLastFolder(QFileDialog& dialog);
    static void rememberFolderOf(const QString& fileName);

  signals:
    void chosen(const QString& fileName);

  private:
    void store(const QStringList& files);
    void fill();

    QMenu* menu_;
};
