#pragma once

#include "progress/classreport.h"
#include "progress/statistics.h"

#include <QAbstractTableModel>

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The class at a glance: one row per pupil of the pupils' folder, with the
// figures of the class report's first page (classreport::lineOf), read off
// the window's thread and filled in as each file is read.
namespace progress {

// One pupil's file read: its summary, or why it could not be. The file is
// opened read-only and without waiting (a pipe or a device in its place is
// refused, never waited on).
struct PupilRead {
    std::shared_ptr<const ResultsSummary> summary;
    std::string problem;                           // in French; empty when read
    std::map<std::string, std::string> computers;  // their names, by id, when the runs come from several
};
PupilRead readPupilFile(const std::filesystem::path& file);
// A pupil's files, each run once (their first file that has it); the first
// that cannot be read gives the problem.
PupilRead readPupilFiles(const std::vector<std::filesystem::path>& files);

struct PupilRow {
    QString name;
    std::filesystem::path file;                // the first of files, or the pupil's folder
    std::vector<std::filesystem::path> files;  // every results file of the pupil
    bool read = false;                         // the file has been read (or found unreadable)
    std::string problem;                       // why it is not a pupil's file we can read
    std::optional<classreport::PupilLine> line;
    std::shared_ptr<const ResultsSummary> summary;
    std::map<std::string, std::string> computers;  // as PupilRead has them
    bool ticked = false;                           // for the class report
};

class PupilsTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Runs, Notes, Score, Median, Trend, Last, Remark, ColumnCount };
    static constexpr int sortRole = Qt::UserRole;  // numbers as numbers, for sorting

    explicit PupilsTableModel(QObject* parent = nullptr);
    ~PupilsTableModel() override;

    // Lists folder at once (nothing is read on this thread) and starts
    // reading every file. A folder that cannot be listed gives its reason.
    QString load(const std::filesystem::path& folder);
    // With read at once off, load() only lists, and the reading waits for
    // startReading() (a window starts it once it has painted, so that the
    // reading threads never hold its first paint back).
    void setReadAtOnce(bool atOnce);
    void startReading();
    // Reads one pupil's file again (after a run of theirs was written).
    void reread(const QString& name);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    const std::vector<PupilRow>& rows() const { return m_rows; }
    int rowOf(const QString& name) const;  // -1 when absent
    int filesRead() const;
    // The pupils ticked (read and readable), for the class report.
    std::vector<classreport::Pupil> tickedPupils() const;

    // The text of a cell as the list shows it.
    static QString cellText(const PupilRow& row, Column column);

signals:
    // A file has been read; all of them when read == total.
    void progressed(int read, int total);
    void pupilRead(const QString& name);

private:
    struct Channel;
    void start(std::size_t row);
    void deliver(std::uint64_t generation, const std::string& file, const PupilRead& read);

    std::vector<PupilRow> m_rows;
    std::filesystem::path m_folder;  // as last loaded
    std::uint64_t m_generation = 0;  // a new load makes older reads stale
    bool m_readAtOnce = true;
    bool m_started = false;  // the reading of this load has begun
    std::shared_ptr<Channel> m_channel;
};

}  // namespace progress
