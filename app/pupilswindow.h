#pragma once

#include "progress/computer.h"
#include "progress/playingpupil.h"
#include "progress/practice.h"
#include "progress/pupilstable.h"

#include <QImage>
#include <QWidget>

#include <filesystem>
#include <optional>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSortFilterProxyModel;
class QTableView;
class RangeKeyboard;

// What the pupils window is given: the pupils' folder, where launchers go,
// the program they start, and who plays (nothing when the window is alone,
// with --pupils: then there is no run to record).
struct PupilsWindowServices {
    std::filesystem::path folder;
    std::optional<std::filesystem::path> applications;
    QString program;  // absolute path of this program, for the launchers
    progress::PlayingPupil* playing = nullptr;
    // This computer, whose own files in the pupils' folder are written; its
    // id empty, with the reason, when it could not be read or made.
    progress::Computer computer;
    std::string computerProblem;
};

// The "Élèves" window: who plays, the class at a glance, the chosen pupil's
// report, their practice settings and launcher, adding, renaming, archiving
// and exporting. A window of its own, never modal, with the focus and Tab
// order of an ordinary window; files are read off its thread.
class PupilsWindow final : public QWidget {
    Q_OBJECT

public:
    PupilsWindow(PupilsWindowServices services, QWidget* parent);

    // Reads the folder again (at the window's showing, and after a change).
    void reload();
    // The pupil whose row is chosen, or an empty string.
    QString current() const;
    void choosePupil(const QString& name);

    // Export, as the buttons do once a file is named (no dialog).
    QString exportReport(const QString& path);
    QString exportClass(const QString& path);
    QString copyResults(const QString& path);
    // Imports the file (progress::transfer::importFile): an exported record
    // into its pupil, a results file into the pupil chosen. Returns the
    // reason it was refused, or an empty string.
    QString importResults(const QString& path);

    progress::PupilsTableModel* model() const { return m_model; }
    QTableView* list() const { return m_list; }
    QComboBox* playingBox() const { return m_playingBox; }
    QLabel* message() const { return m_message; }
    const QImage& reportImage() const { return m_reportImage; }

signals:
    // The report in view was drawn again (for a pupil's new run, say).
    void reportShown(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    void say(const QString& text, bool problem = false);
    void fillPlayingBox();
    void playingChosen(int index);
    void rowChosen();
    void showReport();
    void fitReport();
    void addPupil();
    void renamePupil();
    void archivePupil();
    void showArchive();
    void makeLauncher();
    void saveSettings();
    void settingsEdited();
    void rangeTyped();
    void buildVariantSettings(QWidget* practice, QFormLayout* layout);
    void buildPhraseSettings(QWidget* practice, QFormLayout* layout);
    void showVariant(const exercise::Variant& variant);
    exercise::Variant chosenVariant() const;
    void askExportReport();
    void askExportClass();
    void askCopyResults();
    void askImport();
    QString askFile(const QString& title, const QString& suggested, const QString& filters);
    QString refusal(const QString& path) const;
    const progress::PupilRow* currentRow() const;
    std::string currentFile() const;

    PupilsWindowServices m_services;
    progress::PupilsTableModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QComboBox* m_playingBox = nullptr;
    QTableView* m_list = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_message = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_archive = nullptr;
    QPushButton* m_archives = nullptr;
    QPushButton* m_launcher = nullptr;
    QPushButton* m_exportReport = nullptr;
    QPushButton* m_exportClass = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_import = nullptr;
    QString m_lastImport;  // what the last import did, as said
    QCheckBox* m_focus = nullptr;
    QLineEdit* m_range = nullptr;
    RangeKeyboard* m_keys = nullptr;
    QComboBox* m_variant = nullptr;     // what the modes run: the drill, by ear, in a key
    QComboBox* m_key = nullptr;         // which key: -4 to 4 fifths, or a new one at every run
    QSpinBox* m_phraseNotes = nullptr;  // notes side by side in phrases: 4 to 8
    QCheckBox* m_cClefs = nullptr;      // the alto and tenor clefs in modes 5 and 6
    QScrollArea* m_reportArea = nullptr;
    QLabel* m_report = nullptr;
    QImage m_reportImage;
    QString m_reportOf;                                               // the pupil the report is of
    std::shared_ptr<const progress::ResultsSummary> m_reportSummary;  // what it was drawn from
    std::uint64_t m_reportDraw = 0;                                   // a newer drawing makes older ones stale
    progress::practice::Settings m_settings;
    QString m_settingsOf;
    bool m_filling = false;  // the controls are being set, not edited
    bool m_hidden = false;   // closed since last shown
    bool m_painted = false;  // the window has painted once
};
