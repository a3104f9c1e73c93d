#include "progress/pupilstable.h"

#include "platform/messages.h"
#include "progress/wording.h"
#include "progress/pupilfolder.h"
#include "progress/pupils.h"
#include "progress/report.h"

#include <QThreadPool>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress {

using platform::message;

namespace {

QString words(const std::string& s)
{
    return QString::fromStdString(s);
}

using wording::number;

}  // namespace

namespace {

// One file into builder; why it cannot be read, or an empty string.
std::string readInto(const std::filesystem::path& file, SummaryBuilder& builder)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return message(QT_TRANSLATE_NOOP("Messages", "illisible : %1"), {std::strerror(errno)});
    }
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return message(QT_TRANSLATE_NOOP("Messages", "illisible : %1"), {std::strerror(errno)});
    }
    if (!S_ISREG(st.st_mode)) {
        return S_ISDIR(st.st_mode)
                   ? message(QT_TRANSLATE_NOOP("Messages", "un dossier, pas un fichier de résultats"))
                   : message(QT_TRANSLATE_NOOP("Messages", "pas un fichier ordinaire (tube, appareil ou prise)"));
    }
    std::string error;
    if (!readResults(fd, builder, file.string(), &error)) {
        return message(QT_TRANSLATE_NOOP("Messages", "illisible : %1"), {error});
    }
    return {};
}

}  // namespace

PupilRead readPupilFile(const std::filesystem::path& file)
{
    return readPupilFiles({file});
}

PupilRead readPupilFiles(const std::vector<std::filesystem::path>& files)
{
    PupilRead out;
    SummaryBuilder builder;
    for (const std::filesystem::path& file : files) {
        if (std::string problem = readInto(file, builder); !problem.empty()) {
            out.problem = files.size() > 1 ? file.filename().string() + " : " + problem : problem;
            return out;
        }
    }
    auto summary = std::make_shared<ResultsSummary>(builder.finish());
    if (summary->rows == 0 && summary->skipped > 0) {
        out.problem = message(QT_TRANSLATE_NOOP("Messages", "pas un fichier de résultats de Tavelin Piano"));
        return out;
    }
    out.summary = std::move(summary);
    if (out.summary->computers.size() > 1) {
        std::vector<std::string> names;
        names.reserve(files.size());
        for (const std::filesystem::path& file : files) {
            names.push_back(file.string());
        }
        out.computers = computerNamesBeside(names);
    }
    return out;
}

// The way back from the reading threads: the model while it lives. A read
// that ends after the model is gone finds nobody and delivers nothing.
struct PupilsTableModel::Channel {
    std::mutex mutex;
    PupilsTableModel* model = nullptr;
};

PupilsTableModel::PupilsTableModel(QObject* parent)
    : QAbstractTableModel(parent), m_channel(std::make_shared<Channel>())
{
    m_channel->model = this;
}

PupilsTableModel::~PupilsTableModel()
{
    const std::lock_guard lock(m_channel->mutex);
    m_channel->model = nullptr;
}

QString PupilsTableModel::load(const std::filesystem::path& folder)
{
    std::string error;
    const std::vector<pupilfolder::Entry> entries = pupilfolder::list(folder, &error);
    m_folder = folder;
    beginResetModel();
    ++m_generation;
    m_rows.clear();
    for (const pupilfolder::Entry& e : entries) {
        PupilRow row;
        row.name = words(e.name);
        row.file = e.file;
        row.files = e.files;
        row.problem = e.problem;
        m_rows.push_back(std::move(row));
    }
    endResetModel();
    m_started = false;
    if (m_readAtOnce) {
        startReading();
    }
    emit progressed(filesRead(), static_cast<int>(m_rows.size()));
    return words(error);
}

void PupilsTableModel::setReadAtOnce(bool atOnce)
{
    m_readAtOnce = atOnce;
}

void PupilsTableModel::startReading()
{
    if (m_started) {
        return;
    }
    m_started = true;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        start(i);
    }
    emit progressed(filesRead(), static_cast<int>(m_rows.size()));
}

void PupilsTableModel::reread(const QString& name)
{
    const int row = rowOf(name);
    if (row < 0) {
        return;
    }
    // The pupil's files may be more than at the load (this computer's
    // first run for them, another computer's file synced since).
    if (!m_folder.empty() && m_rows[static_cast<std::size_t>(row)].problem.empty()) {
        std::string error;
        std::vector<std::filesystem::path> files = pupilFiles(m_folder, pupilBytes(name), &error);
        if (error.empty() && !files.empty()) {
            m_rows[static_cast<std::size_t>(row)].files = std::move(files);
        }
    }
    start(static_cast<std::size_t>(row));
}

void PupilsTableModel::start(std::size_t row)
{
    PupilRow& r = m_rows[row];
    if (!r.problem.empty() && !r.read && r.problem != message(pupilfolder::foreignFileName)) {
        // Listed as no pupil's file (a folder, a pipe): nothing to read.
        r.read = true;
        return;
    }
    const std::uint64_t generation = m_generation;
    const std::filesystem::path file = r.file;
    const std::vector<std::filesystem::path> files = r.files;
    const std::shared_ptr<Channel> channel = m_channel;
    QThreadPool::globalInstance()->start([channel, generation, file, files] {
        PupilRead read = readPupilFiles(files);
        const std::lock_guard lock(channel->mutex);
        if (channel->model != nullptr) {
            PupilsTableModel* model = channel->model;
            QMetaObject::invokeMethod(
                model,
                [model, generation, file = file.string(), read = std::move(read)] {
                    model->deliver(generation, file, read);
                },
                Qt::QueuedConnection);
        }
    });
}

void PupilsTableModel::deliver(std::uint64_t generation, const std::string& file, const PupilRead& read)
{
    if (generation != m_generation) {
        return;
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        PupilRow& r = m_rows[i];
        if (r.file.string() != file) {
            continue;
        }
        r.read = true;
        const bool foreignName = r.problem == message(pupilfolder::foreignFileName);
        if (read.summary) {
            r.summary = read.summary;
            r.computers = read.computers;
            r.line = classreport::lineOf(r.name, *read.summary);
            if (!foreignName) {
                r.problem.clear();
            }
        } else {
            r.summary.reset();
            r.line.reset();
            r.problem = foreignName ? r.problem + " ; " + read.problem : read.problem;
        }
        const int row = static_cast<int>(i);
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        emit progressed(filesRead(), static_cast<int>(m_rows.size()));
        emit pupilRead(r.name);
        return;
    }
}

int PupilsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PupilsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString PupilsTableModel::cellText(const PupilRow& row, Column column)
{
    if (column == Name) {
        return row.name;
    }
    if (column == Remark) {
        if (!row.read) {
            return tr("lecture…");
        }
        if (!row.problem.empty()) {
            return words(row.problem);
        }
        if (row.summary && row.summary->skipped > 0) {
            return (row.summary->skipped > 1 ? tr("%1 lignes illisibles laissées de côté")
                                             : tr("%1 ligne illisible laissée de côté"))
                .arg(row.summary->skipped);
        }
        return {};
    }
    if (!row.line) {
        return row.read ? QStringLiteral("—") : QString();
    }
    const classreport::PupilLine& l = *row.line;
    switch (column) {
    case Runs:
        return number(static_cast<double>(l.runs), 0);
    case Notes:
        return number(static_cast<double>(l.notes), 0);
    case Score:
        return l.score ? number(*l.score, 0) + QStringLiteral("\u00a0%") : QStringLiteral("—");
    case Median:
        return l.medianMs ? number(*l.medianMs / 1000.0, 1) + QStringLiteral("\u00a0s") : QStringLiteral("—");
    case Trend:
        return l.trend ? classreport::trendWords(*l.trend) : QStringLiteral("—");
    case Last:
        return l.last.empty() ? tr("jamais") : classreport::dateWords(l.last);
    default:
        return {};
    }
}

QVariant PupilsTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size())) {
        return {};
    }
    const PupilRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<Column>(index.column());
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return cellText(row, column);
    }
    if (role == Qt::ToolTipRole) {
        // The runs of each computer, where there are several: in the tip of
        // the runs, so that the list itself stays as it is.
        if (column == Runs && row.summary) {
            const std::string where = computersText(*row.summary, row.computers);
            if (!where.empty()) {
                return tr("Par ordinateur : %1").arg(words(where));
            }
        }
        const QString remark = cellText(row, Remark);
        return remark.isEmpty() ? QVariant() : QVariant(remark);
    }
    if (role == Qt::CheckStateRole && column == Name) {
        return row.ticked ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::TextAlignmentRole && column != Name && column != Remark && column != Trend) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == sortRole) {
        // Unread and unreadable rows sort below every figure.
        const auto figure = [&](auto get) -> QVariant { return row.line ? QVariant(get(*row.line)) : QVariant(-1.0); };
        switch (column) {
        case Name:
            return row.name.toCaseFolded();
        case Runs:
            return figure([](const classreport::PupilLine& l) { return static_cast<double>(l.runs); });
        case Notes:
            return figure([](const classreport::PupilLine& l) { return static_cast<double>(l.notes); });
        case Score:
            return figure([](const classreport::PupilLine& l) { return l.score.value_or(-1.0); });
        case Median:
            return figure([](const classreport::PupilLine& l) { return l.medianMs.value_or(-1.0); });
        case Trend:
            return figure([](const classreport::PupilLine& l) { return l.trend ? l.trend->slope : -1e9; });
        case Last:
            return row.line ? QString::fromStdString(row.line->last) : QString();
        case Remark:
            return cellText(row, column);
        default:
            return {};
        }
    }
    return {};
}

QVariant PupilsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const titles[] = {
        QT_TR_NOOP("Élève"),        QT_TR_NOOP("Séances"),  QT_TR_NOOP("Notes"),           QT_TR_NOOP("Justes"),
        QT_TR_NOOP("Temps médian"), QT_TR_NOOP("Tendance"), QT_TR_NOOP("Dernière séance"), QT_TR_NOOP("Remarque")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}

Qt::ItemFlags PupilsTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Name) {
        f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

bool PupilsTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != Name || role != Qt::CheckStateRole) {
        return false;
    }
    m_rows[static_cast<std::size_t>(index.row())].ticked = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

int PupilsTableModel::rowOf(const QString& name) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int PupilsTableModel::filesRead() const
{
    int n = 0;
    for (const PupilRow& r : m_rows) {
        n += r.read ? 1 : 0;
    }
    return n;
}

std::vector<classreport::Pupil> PupilsTableModel::tickedPupils() const
{
    std::vector<classreport::Pupil> out;
    for (const PupilRow& r : m_rows) {
        if (r.ticked && r.summary) {
            out.push_back({r.name, *r.summary});
        }
    }
    return out;
}

}  // namespace progress
