#include "app/pupilswindow.h"

#include "app/languagepictures.h"
#include "app/pupilswindowrange.h"
#include "picture/fonts.h"
#include "progress/launcher.h"
#include "progress/pupilfolder.h"
#include "progress/report.h"
#include "progress/reportpicture.h"
#include "progress/transfer.h"
#include "progress/wording.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int widthPx = 1440;
constexpr int heightPx = 860;
constexpr int listPanePx = 660;  // the list's side at first; the report has the rest

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string bytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// A range typed with the names of the window's language ("c1-g1") as the
// settings file keeps it, in numbers; anything else as typed.
std::string storedRange(const QString& typed)
{
    const auto range = exercise::parseNoteRange(typed.toStdString(), &app::noteNaming());
    return range ? std::to_string(range->low) + "-" + std::to_string(range->high) : typed.toStdString();
}

QPushButton* button(const QString& caption, const QString& name, const QString& tip, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    plain.remove(QStringLiteral("…"));
    b->setAccessibleName(plain.trimmed());
    b->setToolTip(tip);
    b->setAccessibleDescription(tip);
    return b;
}

// A file's bytes, read without waiting on it; nothing for anything but a
// regular file.
std::optional<QByteArray> readWhole(const std::string& path, QString* error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = PupilsWindow::tr("impossible de lire « %1 » : %2").arg(q(path), q(std::strerror(errno)));
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *error = PupilsWindow::tr("« %1 » n'est pas un fichier ordinaire").arg(q(path));
        return std::nullopt;
    }
    QByteArray out;
    char buffer[1 << 16];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            *error = PupilsWindow::tr("impossible de lire « %1 » : %2").arg(q(path), q(std::strerror(errno)));
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        out.append(buffer, got);
    }
    ::close(fd);
    return out;
}

// A window to a screen reader, not a plain pane. Qt's accessibility cache
// owns what the factory makes.
QAccessibleInterface* windowFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("PupilsWindow") && object != nullptr && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

PupilsWindow::PupilsWindow(PupilsWindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(std::move(services)), m_model(new progress::PupilsTableModel(this)),
      m_sorted(new QSortFilterProxyModel(this))
{
    static const bool factory = (QAccessible::installFactory(windowFactory), true);
    (void)factory;
    setObjectName(QStringLiteral("pupilsWindow"));
    setWindowTitle(tr("Élèves"));
    setAccessibleName(windowTitle());
    resize(widthPx, heightPx);
    QString fontError;
    art::fonts::load(&fontError);  // the report's drawing says what is missing
    m_model->setReadAtOnce(false);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(progress::PupilsTableModel::sortRole);
    build();

    connect(m_model, &progress::PupilsTableModel::progressed, this, [this](int read, int total) {
        m_progress->setRange(0, std::max(total, 1));
        m_progress->setValue(total == 0 ? 1 : read);
        m_progress->setFormat(total == 0 ? tr("aucun élève") : tr("%v fichiers lus sur %m"));
        m_progress->setAccessibleDescription(m_progress->text());
    });
    connect(m_model, &progress::PupilsTableModel::pupilRead, this, [this](const QString& name) {
        if (name == current()) {
            showReport();
        }
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { rowChosen(); });
    if (m_services.playing != nullptr) {
        connect(m_services.playing, &progress::PlayingPupil::runRecorded, this,
                [this](const QString& name, const QString&) { m_model->reread(name); });
        connect(m_services.playing, &progress::PlayingPupil::chosenChanged, this, [this] { fillPlayingBox(); });
    }
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    reload();
}

void PupilsWindow::build()
{
    auto* whoLabel = new QLabel(tr("&Qui joue :"), this);
    m_playingBox = new QComboBox(this);
    m_playingBox->setObjectName(QStringLiteral("playing"));
    m_playingBox->setAccessibleName(tr("Qui joue"));
    whoLabel->setBuddy(m_playingBox);
    if (m_services.playing == nullptr) {
        m_playingBox->setEnabled(false);
        m_playingBox->setToolTip(
            tr("Ouverte seule, la fenêtre n'enregistre rien : "
               "choisissez qui joue depuis le piano (F11)"));
    } else {
        m_playingBox->setToolTip(tr("L'élève dont les exercices sont enregistrés, à partir du prochain"));
    }
    m_playingBox->setAccessibleDescription(m_playingBox->toolTip());
    connect(m_playingBox, &QComboBox::activated, this, &PupilsWindow::playingChosen);

    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setAccessibleName(tr("Liste des élèves"));
    m_list->setAccessibleDescription(tr("Une ligne par élève ; cochez les élèves du bilan de la classe"));
    m_list->setModel(m_sorted);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(progress::PupilsTableModel::Name, Qt::AscendingOrder);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->horizontalHeader()->setStretchLastSection(true);

    auto* listLabel = new QLabel(tr("La cla&sse :"), this);
    listLabel->setBuddy(m_list);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAccessibleName(tr("Lecture des fichiers"));

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setAccessibleName(tr("Message"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_add = button(tr("&Ajouter…"), QStringLiteral("add"), tr("Ajouter un élève"), this);
    m_rename = button(tr("&Renommer…"), QStringLiteral("rename"),
                      tr("Renommer l'élève choisi ; tous ses exercices le suivent"), this);
    m_archive = button(tr("Archi&ver…"), QStringLiteral("archive"),
                       tr("Ranger l'élève choisi dans les archives, sans rien effacer"), this);
    m_archives =
        button(tr("Arc&hives…"), QStringLiteral("archives"), tr("Voir les élèves archivés et en restaurer un"), this);
    m_launcher = button(tr("Créer un ra&ccourci"), QStringLiteral("launcher"),
                        tr("Une icône « Piano — NOM » qui lance le piano pour l'élève choisi"), this);
    m_launcher->setAccessibleName(tr("Créer un raccourci"));
    m_exportReport = button(tr("&Exporter le bilan…"), QStringLiteral("exportReport"),
                            tr("Le bilan de l'élève choisi en PDF ou en PNG"), this);
    m_exportClass = button(tr("Exporter la c&lasse…"), QStringLiteral("exportClass"),
                           tr("Le bilan de la classe en PDF, pour les élèves cochés"), this);
    m_copy = button(tr("Co&pier les résultats…"), QStringLiteral("copyResults"),
                    tr("Une copie du fichier de résultats de l'élève choisi"), this);
    m_import = button(tr("I&mporter…"), QStringLiteral("import"),
                      tr("Ajouter les exercices d'un dossier exporté, ou d'un fichier de résultats à "
                         "l'élève choisi ; ceux qu'il a déjà ne comptent pas deux fois"),
                      this);
    connect(m_add, &QPushButton::clicked, this, &PupilsWindow::addPupil);
    connect(m_import, &QPushButton::clicked, this, &PupilsWindow::askImport);
    connect(m_rename, &QPushButton::clicked, this, &PupilsWindow::renamePupil);
    connect(m_archive, &QPushButton::clicked, this, &PupilsWindow::archivePupil);
    connect(m_archives, &QPushButton::clicked, this, &PupilsWindow::showArchive);
    connect(m_launcher, &QPushButton::clicked, this, &PupilsWindow::makeLauncher);
    connect(m_exportReport, &QPushButton::clicked, this, &PupilsWindow::askExportReport);
    connect(m_exportClass, &QPushButton::clicked, this, &PupilsWindow::askExportClass);
    connect(m_copy, &QPushButton::clicked, this, &PupilsWindow::askCopyResults);

    auto* practice = new QGroupBox(tr("Réglages de l'élève"), this);
    practice->setObjectName(QStringLiteral("practice"));
    practice->setAccessibleName(practice->title());
    m_focus = new QCheckBox(tr("Notes &faibles plus souvent"), practice);
    m_focus->setObjectName(QStringLiteral("focus"));
    m_focus->setAccessibleName(tr("Notes faibles plus souvent"));
    m_focus->setToolTip(tr("Les notes souvent manquées reviennent plus souvent (comme --focus)"));
    m_range = new QLineEdit(practice);
    m_range->setObjectName(QStringLiteral("range"));
    m_range->setAccessibleName(tr("Étendue des notes"));
    m_range->setPlaceholderText(tr("toutes, ou 60-67, do3-sol3"));
    m_range->setToolTip(tr("Vide : toutes les notes ; sinon BAS-HAUT comme --notes (60-67, do3-sol3)"));
    m_range->setAccessibleDescription(m_range->toolTip());
    auto* rangeLabel = new QLabel(tr("É&tendue :"), practice);
    rangeLabel->setBuddy(m_range);
    m_keys = new RangeKeyboard(practice);
    auto* practiceLayout = new QFormLayout(practice);
    practiceLayout->addRow(m_focus);
    practiceLayout->addRow(rangeLabel, m_range);
    practiceLayout->addRow(m_keys);
    buildVariantSettings(practice, practiceLayout);
    connect(m_focus, &QCheckBox::toggled, this, [this] { settingsEdited(); });
    connect(m_range, &QLineEdit::editingFinished, this, &PupilsWindow::rangeTyped);
    connect(m_keys, &RangeKeyboard::rangePicked, this, [this](int low, int high) {
        m_range->setText(q(progress::practice::rangeText({low, high})));
        settingsEdited();
    });

    m_report = new QLabel(this);
    m_report->setObjectName(QStringLiteral("report"));
    m_report->setAccessibleName(tr("Bilan de l'élève"));
    m_report->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_reportArea = new QScrollArea(this);
    m_reportArea->setObjectName(QStringLiteral("reportArea"));
    m_reportArea->setAccessibleName(tr("Bilan"));
    m_reportArea->setWidget(m_report);
    m_reportArea->setWidgetResizable(false);
    m_reportArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_reportArea->setFocusPolicy(Qt::StrongFocus);  // scrolled by the arrows and Page keys

    auto* who = new QHBoxLayout;
    who->addWidget(whoLabel);
    who->addWidget(m_playingBox, 1);
    auto* buttons = new QGridLayout;
    const QList<QPushButton*> all = {m_add,          m_rename,      m_archive, m_archives, m_launcher,
                                     m_exportReport, m_exportClass, m_copy,    m_import};
    for (int i = 0; i < all.size(); ++i) {
        buttons->addWidget(all[i], i / 4, i % 4);
    }
    auto* leftPane = new QWidget(this);
    auto* left = new QVBoxLayout(leftPane);
    left->setContentsMargins(0, 0, 0, 0);
    left->addLayout(who);
    left->addWidget(listLabel);
    left->addWidget(m_list, 1);
    left->addWidget(m_progress);
    left->addLayout(buttons);
    left->addWidget(practice);
    left->addWidget(m_message);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("split"));
    split->setAccessibleName(tr("Liste et bilan"));
    split->addWidget(leftPane);
    split->addWidget(m_reportArea);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({listPanePx, widthPx - listPanePx});
    split->setChildrenCollapsible(false);
    connect(split, &QSplitter::splitterMoved, this, [this] { fitReport(); });
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(split);

    // Tab order: who plays, the list, the buttons, the settings, the report.
    QWidget* order[] = {m_playingBox,  m_list, m_add,    m_rename, m_archive, m_archives, m_launcher,  m_exportReport,
                        m_exportClass, m_copy, m_import, m_focus,  m_range,   m_keys,     m_reportArea};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    rowChosen();
}

void PupilsWindow::reload()
{
    const QString keep = current();
    const QString error = m_model->load(m_services.folder);
    say(error, !error.isEmpty());
    if (m_painted) {
        m_model->startReading();
    } else {
        // Should no paint come (a window never mapped), the files are read anyway.
        QTimer::singleShot(500, this, [this] { m_model->startReading(); });
    }
    fillPlayingBox();
    if (!keep.isEmpty()) {
        choosePupil(keep);
    } else if (m_sorted->rowCount() > 0) {
        // A pupil chosen at once: the arrows move from there.
        const QModelIndex first = m_sorted->index(0, 0);
        m_list->setCurrentIndex(first);
        m_list->selectionModel()->select(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    rowChosen();
}

void PupilsWindow::say(const QString& text, bool problem)
{
    m_message->setText(text);
    m_message->setStyleSheet(problem ? QStringLiteral("color: #a02010;") : QString());
    m_message->setAccessibleDescription(text);
}

QString PupilsWindow::current() const
{
    const QModelIndex index = m_list->currentIndex();
    if (!index.isValid()) {
        return {};
    }
    return m_sorted->data(m_sorted->index(index.row(), progress::PupilsTableModel::Name)).toString();
}

void PupilsWindow::choosePupil(const QString& name)
{
    const int row = m_model->rowOf(name);
    if (row < 0) {
        return;
    }
    const QModelIndex index = m_sorted->mapFromSource(m_model->index(row, 0));
    m_list->setCurrentIndex(index);
    m_list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

const progress::PupilRow* PupilsWindow::currentRow() const
{
    const int row = m_model->rowOf(current());
    return row < 0 ? nullptr : &m_model->rows()[static_cast<std::size_t>(row)];
}

std::string PupilsWindow::currentFile() const
{
    const progress::PupilRow* row = currentRow();
    return row == nullptr ? std::string() : row->file.string();
}

void PupilsWindow::fillPlayingBox()
{
    m_filling = true;
    m_playingBox->clear();
    m_playingBox->addItem(tr("Personne (rien n'est enregistré)"));
    for (const progress::PupilRow& row : m_model->rows()) {
        if (row.problem.empty()) {
            m_playingBox->addItem(row.name);
        }
    }
    if (m_services.playing != nullptr) {
        const progress::PlayingPupil::Choice& chosen = m_services.playing->chosen();
        if (!chosen.nobody()) {
            const QString name = chosen.name.isEmpty() ? QFileInfo(q(chosen.file)).fileName() : chosen.name;
            int at = m_playingBox->findText(name, Qt::MatchExactly);
            if (at < 0 || chosen.name.isEmpty()) {
                // A file given by --results: it keeps its own path.
                m_playingBox->addItem(name, chosen.name.isEmpty() ? q(chosen.file) : QString());
                at = m_playingBox->count() - 1;
            }
            m_playingBox->setCurrentIndex(at);
        }
        m_playingBox->setAccessibleDescription(m_services.playing->description());
    }
    m_filling = false;
}

void PupilsWindow::playingChosen(int index)
{
    if (m_filling || m_services.playing == nullptr) {
        return;
    }
    progress::PlayingPupil::Choice choice;
    if (const QString file = m_playingBox->itemData(index).toString(); index > 0 && !file.isEmpty()) {
        choice.file = file.toStdString();
    } else if (index > 0) {
        choice.name = m_playingBox->itemText(index);
        std::filesystem::path file;
        if (const std::string error = progress::pupilfolder::prepare(m_services.folder, choice.name.toStdString(),
                                                                     m_services.computer, &file);
            !error.empty()) {
            say(tr("Impossible d'enregistrer pour %1 : %2").arg(choice.name, q(error)), true);
            fillPlayingBox();
            return;
        }
        choice.file = file.string();
        choice.folder = m_services.folder.string();
        choice.computer = m_services.computer.id;
        std::string error;
        if (const auto settings = progress::practice::readPupil(m_services.folder, choice.name.toStdString(), &error)) {
            choice.settings = *settings;
        } else {
            say(tr("Réglages illisibles, ceux par défaut s'appliquent : %1").arg(q(error)), true);
        }
    }
    if (const std::string error = m_services.playing->choose(choice); !error.empty()) {
        say(tr("Impossible d'enregistrer pour %1 : %2").arg(choice.name, q(error)), true);
        fillPlayingBox();
        return;
    }
    say(m_services.playing->description());
}

void PupilsWindow::rowChosen()
{
    const progress::PupilRow* row = currentRow();
    const bool pupil = row != nullptr && row->problem.empty();
    for (QPushButton* b : {m_rename, m_archive, m_launcher, m_exportReport, m_copy}) {
        b->setEnabled(row != nullptr);
    }
    m_launcher->setEnabled(pupil && m_services.applications.has_value());
    m_exportReport->setEnabled(pupil);
    m_focus->setEnabled(pupil);
    m_range->setEnabled(pupil);
    m_keys->setEnabled(pupil);
    m_variant->setEnabled(pupil);
    m_filling = true;
    m_settings = {};
    m_settingsOf = pupil ? row->name : QString();
    if (pupil) {
        std::string error;
        if (const auto s = progress::practice::readPupil(m_services.folder, row->name.toStdString(), &error)) {
            m_settings = *s;
        } else {
            say(q(error), true);
        }
    }
    m_focus->setChecked(m_settings.focus);
    m_range->setText(m_settings.range ? q(progress::practice::rangeText(*m_settings.range)) : QString());
    m_keys->setRange(m_settings.range ? std::optional(std::make_pair(m_settings.range->low, m_settings.range->high))
                                      : std::nullopt);
    showVariant(m_settings.variant);
    m_filling = false;
    showReport();
}

// What the six modes run for the pupil: the drill, by ear, in a key (one
// the teacher picks, or a new one at every run) or in phrases, and whether
// the C clefs join modes 5 and 6.
void PupilsWindow::buildVariantSettings(QWidget* practice, QFormLayout* layout)
{
    m_variant = new QComboBox(practice);
    m_variant->setObjectName(QStringLiteral("variant"));
    m_variant->setAccessibleName(tr("Exercices"));
    m_variant->addItem(tr("les notes seules, comme toujours"));
    m_variant->addItem(tr("à l'oreille : la note sonne, puis se montre"));
    m_variant->addItem(tr("dans une tonalité, avec son armure"));
    m_variant->addItem(tr("plusieurs notes côte à côte, jouées dans l'ordre"));
    m_variant->setToolTip(tr("Ce que jouent les six boutons d'exercice pour cet élève (comme --variant)"));
    m_variant->setAccessibleDescription(m_variant->toolTip());
    auto* variantLabel = new QLabel(tr("E&xercices :"), practice);
    variantLabel->setBuddy(m_variant);
    m_key = new QComboBox(practice);
    m_key->setObjectName(QStringLiteral("key"));
    m_key->setAccessibleName(tr("Armure"));
    for (int fifths = -exercise::mostFifths; fifths <= exercise::mostFifths; ++fifths) {
        const int n = fifths < 0 ? -fifths : fifths;
        m_key->addItem(fifths == 0  ? tr("sans dièse ni bémol")
                       : fifths < 0 ? (n == 1 ? tr("1 bémol") : tr("%1 bémols").arg(n))
                                    : (n == 1 ? tr("1 dièse") : tr("%1 dièses").arg(n)),
                       fifths);
    }
    m_key->addItem(tr("une nouvelle à chaque exercice"), QStringLiteral("new"));
    auto* keyLabel = new QLabel(tr("Ar&mure :"), practice);
    keyLabel->setBuddy(m_key);
    layout->addRow(variantLabel, m_variant);
    layout->addRow(keyLabel, m_key);
    buildPhraseSettings(practice, layout);
    const auto edited = [this] {
        m_key->setEnabled(m_variant->isEnabled() && m_variant->currentIndex() == 2);
        m_phraseNotes->setEnabled(m_variant->isEnabled() && m_variant->currentIndex() == 3);
        settingsEdited();
    };
    connect(m_variant, &QComboBox::currentIndexChanged, this, edited);
    connect(m_key, &QComboBox::currentIndexChanged, this, edited);
    connect(m_phraseNotes, &QSpinBox::valueChanged, this, edited);
    connect(m_cClefs, &QCheckBox::toggled, this, edited);
}

void PupilsWindow::buildPhraseSettings(QWidget* practice, QFormLayout* layout)
{
    m_phraseNotes = new QSpinBox(practice);
    m_phraseNotes->setObjectName(QStringLiteral("phraseNotes"));
    m_phraseNotes->setRange(exercise::fewestPhraseNotes, exercise::mostPhraseNotes);
    m_phraseNotes->setAccessibleName(tr("Notes par lecture"));
    m_phraseNotes->setToolTip(tr("Combien de notes côte à côte sur la portée, de 4 à 8"));
    m_phraseNotes->setAccessibleDescription(m_phraseNotes->toolTip());
    auto* phraseLabel = new QLabel(tr("&Notes par lecture :"), practice);
    phraseLabel->setBuddy(m_phraseNotes);
    layout->addRow(phraseLabel, m_phraseNotes);
    m_cClefs = new QCheckBox(tr("Clefs d'&ut 3e et 4e ligne dans les exercices 5 et 6"), practice);
    m_cClefs->setObjectName(QStringLiteral("cClefs"));
    m_cClefs->setToolTip(tr("Des notes écrites aussi en clef d'ut, comme --c-clefs"));
    m_cClefs->setAccessibleDescription(m_cClefs->toolTip());
    layout->addRow(m_cClefs);
}

void PupilsWindow::showVariant(const exercise::Variant& variant)
{
    const bool inKey = variant.kind == exercise::VariantKind::Key;
    const bool phrase = variant.kind == exercise::VariantKind::Phrase;
    m_variant->setCurrentIndex(variant.kind == exercise::VariantKind::Ear ? 1 : inKey ? 2 : phrase ? 3 : 0);
    m_key->setCurrentIndex(variant.newKeyEachRun ? m_key->count() - 1 : m_key->findData(inKey ? variant.fifths : 0));
    m_key->setEnabled(m_variant->isEnabled() && inKey);
    m_phraseNotes->setValue(phrase ? variant.phraseNotes : exercise::fewestPhraseNotes);
    m_phraseNotes->setEnabled(m_variant->isEnabled() && phrase);
    m_cClefs->setChecked(variant.cClefs);
    m_cClefs->setEnabled(m_variant->isEnabled());
}

exercise::Variant PupilsWindow::chosenVariant() const
{
    exercise::Variant v;
    if (m_variant->currentIndex() == 1) {
        v.kind = exercise::VariantKind::Ear;
    } else if (m_variant->currentIndex() == 2) {
        v.kind = exercise::VariantKind::Key;
        const QVariant key = m_key->currentData();
        v.newKeyEachRun = key.toString() == QStringLiteral("new");
        v.fifths = v.newKeyEachRun ? 0 : key.toInt();
    } else if (m_variant->currentIndex() == 3) {
        v.kind = exercise::VariantKind::Phrase;
        v.phraseNotes = m_phraseNotes->value();
    }
    v.cClefs = m_cClefs->isChecked();
    return v;
}

void PupilsWindow::rangeTyped()
{
    if (m_filling || m_settingsOf.isEmpty()) {
        return;
    }
    const QString typed = m_range->text().trimmed();
    std::optional<exercise::NoteRange> range;
    if (!typed.isEmpty()) {
        std::string error;
        const auto parsed = progress::practice::parse("notes=" + storedRange(typed), &error);
        if (!parsed) {
            say(tr("Étendue refusée : %1").arg(q(error)), true);
            return;
        }
        range = parsed->range;
    }
    if (range == m_settings.range) {
        return;
    }
    m_keys->setRange(range ? std::optional(std::make_pair(range->low, range->high)) : std::nullopt);
    settingsEdited();
}

void PupilsWindow::settingsEdited()
{
    if (m_filling || m_settingsOf.isEmpty()) {
        return;
    }
    progress::practice::Settings s;
    s.focus = m_focus->isChecked();
    const QString typed = m_range->text().trimmed();
    if (!typed.isEmpty()) {
        std::string error;
        const auto parsed = progress::practice::parse("notes=" + storedRange(typed), &error);
        if (!parsed) {
            say(tr("Étendue refusée : %1").arg(q(error)), true);
            return;
        }
        s.range = parsed->range;
    }
    s.variant = chosenVariant();
    m_settings = s;
    saveSettings();
}

void PupilsWindow::saveSettings()
{
    if (const std::string error =
            m_services.computer.id.empty()
                ? m_services.computerProblem
                : progress::practice::writePupil(m_services.folder, m_settingsOf.toStdString(), m_services.computer.id,
                                                 m_settings, progress::practice::utcStamp());
        !error.empty()) {
        say(tr("Réglages non enregistrés : %1").arg(q(error)), true);
        return;
    }
    if (m_services.playing != nullptr) {
        m_services.playing->setSettings(m_settingsOf, m_settings);
    }
    say(tr("Réglages de %1 enregistrés : %2, %3")
            .arg(m_settingsOf, m_settings.focus ? tr("notes faibles plus souvent") : tr("tirage égal"),
                 m_settings.range ? tr("notes %1").arg(q(progress::practice::rangeText(*m_settings.range)))
                                  : tr("toutes les notes")));
}

void PupilsWindow::showReport()
{
    const progress::PupilRow* row = currentRow();
    if (row == nullptr || !row->summary) {
        m_reportImage = {};
        m_reportOf.clear();
        m_reportSummary.reset();
        m_report->setPixmap({});
        m_report->setText(row == nullptr ? tr("Choisissez un élève pour voir son bilan.")
                          : !row->read   ? tr("Lecture du fichier…")
                                         : tr("Pas de bilan : %1").arg(q(row->problem)));
        m_report->adjustSize();
        m_report->setAccessibleDescription(m_report->text());
        return;
    }
    // Drawn by a thread of the pool, as --report draws it; the newest
    // drawing wins.
    const std::uint64_t draw = ++m_reportDraw;
    const std::shared_ptr<const progress::ResultsSummary> summary = row->summary;
    const QString source = QFile::decodeName(QByteArray::fromStdString(row->file.filename().string()));
    const QString name = row->name;
    QPointer<PupilsWindow> self(this);
    QThreadPool::globalInstance()->start([self, draw, summary, source, name] {
        QImage image = progress::reportpicture::render(*summary, source);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, draw, name, summary, image = std::move(image)]() mutable {
                if (!self || draw != self->m_reportDraw) {
                    return;
                }
                self->m_reportImage = std::move(image);
                self->m_reportOf = name;
                self->m_reportSummary = summary;
                self->fitReport();
                emit self->reportShown(name);
            },
            Qt::QueuedConnection);
    });
}

void PupilsWindow::fitReport()
{
    if (m_reportImage.isNull()) {
        return;
    }
    const int width = std::max(200, m_reportArea->viewport()->width());
    const QImage fitted = m_reportImage.scaledToWidth(width, Qt::SmoothTransformation);
    m_report->setPixmap(QPixmap::fromImage(fitted));
    m_report->resize(fitted.size());
    // What the picture in view says, as the list would write it.
    if (m_reportSummary) {
        progress::PupilRow row;
        row.name = m_reportOf;
        row.read = true;
        row.line = progress::classreport::lineOf(m_reportOf, *m_reportSummary);
        using Table = progress::PupilsTableModel;
        QString description = (row.line->runs > 1 ? tr("Bilan de %1 : %2 séances, %3 notes, %4 justes")
                                                  : tr("Bilan de %1 : %2 séance, %3 notes, %4 justes"))
                                  .arg(row.name, Table::cellText(row, Table::Runs), Table::cellText(row, Table::Notes),
                                       Table::cellText(row, Table::Score));
        // The variants have pages of their own below the first: named, so
        // that a screen reader knows they are there.
        QStringList variants;
        for (const progress::VariantNotes& v : m_reportSummary->variants) {
            variants << progress::wording::variantName(v.of.kind, v.of.fifths, v.of.cClef);
        }
        if (!variants.isEmpty()) {
            description += tr(" ; variantes : %1").arg(variants.join(QStringLiteral(", ")));
        }
        m_report->setAccessibleDescription(description);
    }
}

void PupilsWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_painted) {
        // Painted once: the files may take the cores now.
        m_painted = true;
        QTimer::singleShot(0, this, [this] { m_model->startReading(); });
    }
}

void PupilsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown again after a while: other programs may have added runs.
    if (m_hidden) {
        m_hidden = false;
        reload();
    }
}

void PupilsWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_hidden = true;
}

void PupilsWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Once the layout has given the report its new width.
    QTimer::singleShot(0, this, [this] { fitReport(); });
}

void PupilsWindow::addPupil()
{
    QInputDialog dialog(this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setWindowTitle(tr("Ajouter un élève"));
    dialog.setLabelText(tr("Nom de l'élève :"));
    dialog.setAccessibleName(dialog.windowTitle());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString name = dialog.textValue().trimmed().normalized(QString::NormalizationForm_C);
    if (const std::string error =
            progress::pupilfolder::add(m_services.folder, name.toStdString(), m_services.computer);
        !error.empty()) {
        say(tr("Élève non ajouté : %1").arg(q(error)), true);
        return;
    }
    reload();
    choosePupil(name);
    say(tr("%1 ajouté(e)").arg(name));
}

void PupilsWindow::renamePupil()
{
    const QString from = current();
    if (from.isEmpty()) {
        return;
    }
    if (m_services.playing != nullptr &&
        (m_services.playing->chosen().name == from || m_services.playing->playing().name == from)) {
        say(tr("%1 joue : choisissez d'abord quelqu'un d'autre dans « Qui joue »").arg(from), true);
        return;
    }
    QInputDialog dialog(this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setWindowTitle(tr("Renommer un élève"));
    dialog.setLabelText(tr("Nouveau nom de %1 :").arg(from));
    dialog.setTextValue(from);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString to = dialog.textValue().trimmed().normalized(QString::NormalizationForm_C);
    const bool hadLauncher =
        m_services.applications && progress::launcher::exists(*m_services.applications, from.toStdString());
    if (const std::string error =
            progress::pupilfolder::rename(m_services.folder, from.toStdString(), to.toStdString());
        !error.empty()) {
        say(tr("Pas renommé : %1").arg(q(error)), true);
        return;
    }
    QString note;
    if (hadLauncher) {
        // The old launcher would start a pupil who is no more: it follows.
        progress::launcher::remove(*m_services.applications, from.toStdString());
        const std::string error =
            progress::launcher::write(*m_services.applications, to.toStdString(), bytes(m_services.program));
        note = error.empty() ? tr(" ; son raccourci aussi") : tr(" ; raccourci : %1").arg(q(error));
    }
    reload();
    choosePupil(to);
    say(tr("%1 s'appelle maintenant %2%3").arg(from, to, note));
}

void PupilsWindow::archivePupil()
{
    const QString name = current();
    if (name.isEmpty()) {
        return;
    }
    if (m_services.playing != nullptr &&
        (m_services.playing->chosen().name == name || m_services.playing->playing().name == name)) {
        say(tr("%1 joue : choisissez d'abord quelqu'un d'autre dans « Qui joue »").arg(name), true);
        return;
    }
    QMessageBox ask(QMessageBox::Question, tr("Archiver un élève"),
                    tr("Ranger %1 dans les archives ? Rien n'est effacé : ses résultats et ses réglages "
                       "restent dans le dossier des archives, d'où « Archives… » les restaure.")
                        .arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setWindowModality(Qt::WindowModal);
    ask.button(QMessageBox::Yes)->setText(tr("Archiver"));
    ask.button(QMessageBox::No)->setText(tr("Annuler"));
    ask.setDefaultButton(QMessageBox::Yes);
    if (ask.exec() != QMessageBox::Yes) {
        return;
    }
    std::string as;
    if (const std::string error = progress::pupilfolder::archive(m_services.folder, name.toStdString(), &as);
        !error.empty()) {
        say(tr("Pas archivé : %1").arg(q(error)), true);
        return;
    }
    QString note;
    if (m_services.applications && progress::launcher::exists(*m_services.applications, name.toStdString())) {
        QMessageBox launcher(QMessageBox::Question, tr("Raccourci de l'élève"),
                             tr("Supprimer aussi le raccourci « Piano — %1 » ?").arg(name),
                             QMessageBox::Yes | QMessageBox::No, this);
        launcher.setWindowModality(Qt::WindowModal);
        launcher.button(QMessageBox::Yes)->setText(tr("Supprimer le raccourci"));
        launcher.button(QMessageBox::No)->setText(tr("Le garder"));
        launcher.setDefaultButton(QMessageBox::No);
        if (launcher.exec() == QMessageBox::Yes) {
            const std::string error = progress::launcher::remove(*m_services.applications, name.toStdString());
            note = error.empty() ? tr(", son raccourci supprimé") : tr(" ; raccourci : %1").arg(q(error));
        }
    }
    reload();
    say(tr("%1 archivé(e)%2%3").arg(name, q(as) == name ? QString() : tr(" sous le nom %1").arg(q(as)), note));
}

void PupilsWindow::showArchive()
{
    QDialog dialog(this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setWindowTitle(tr("Archives"));
    dialog.setAccessibleName(dialog.windowTitle());
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("archiveList"));
    list->setAccessibleName(tr("Élèves archivés"));
    std::string error;
    for (const progress::pupilfolder::Entry& e : progress::pupilfolder::listArchive(m_services.folder, &error)) {
        list->addItem(q(e.name));
    }
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* restore = buttons->addButton(tr("&Restaurer"), QDialogButtonBox::AcceptRole);
    restore->setAccessibleName(tr("Restaurer"));
    QPushButton* close = buttons->addButton(tr("Fermer"), QDialogButtonBox::RejectRole);
    close->setAccessibleName(tr("Fermer"));
    restore->setEnabled(false);
    restore->setDefault(true);
    connect(list, &QListWidget::currentRowChanged, restore, [restore](int row) { restore->setEnabled(row >= 0); });
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    auto* caption = new QLabel(list->count() == 0 ? tr("Aucun élève archivé.") : tr("Élèves archivés :"), &dialog);
    if (!error.empty()) {
        caption->setText(q(error));
    }
    layout->addWidget(caption);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (list->count() > 0) {
        list->setCurrentRow(0);
    }
    if (dialog.exec() != QDialog::Accepted || list->currentItem() == nullptr) {
        return;
    }
    const QString name = list->currentItem()->text();
    if (const std::string why = progress::pupilfolder::restore(m_services.folder, name.toStdString()); !why.empty()) {
        say(tr("Pas restauré : %1").arg(q(why)), true);
        return;
    }
    reload();
    choosePupil(name);
    say(tr("%1 restauré(e), avec tous ses exercices").arg(name));
}

void PupilsWindow::makeLauncher()
{
    const QString name = current();
    if (name.isEmpty() || !m_services.applications) {
        return;
    }
    if (const std::string error =
            progress::launcher::write(*m_services.applications, name.toStdString(), bytes(m_services.program));
        !error.empty()) {
        say(tr("Raccourci non créé : %1").arg(q(error)), true);
        return;
    }
    say(tr("Raccourci « Piano — %1 » créé : %2")
            .arg(name, QFile::decodeName(
                           (*m_services.applications / progress::launcher::fileName(name.toStdString())).c_str())));
}

QString PupilsWindow::refusal(const QString& path) const
{
    // Never over a results file, under any name (a link, ./).
    struct stat target {};
    if (::stat(bytes(path).c_str(), &target) != 0) {
        return {};
    }
    for (const progress::PupilRow& row : m_model->rows()) {
        for (const std::filesystem::path& file : row.files) {
            struct stat st {};
            if (::stat(file.c_str(), &st) == 0 && st.st_dev == target.st_dev && st.st_ino == target.st_ino) {
                return tr("« %1 » est le fichier de résultats de %2 : choisissez un autre nom").arg(path, row.name);
            }
        }
    }
    if (m_services.playing != nullptr && !m_services.playing->playing().file.empty()) {
        struct stat st {};
        if (::stat(m_services.playing->playing().file.c_str(), &st) == 0 && st.st_dev == target.st_dev &&
            st.st_ino == target.st_ino) {
            return tr("« %1 » est le fichier de résultats en cours : choisissez un autre nom").arg(path);
        }
    }
    return {};
}

QString PupilsWindow::exportReport(const QString& path)
{
    const progress::PupilRow* row = currentRow();
    if (row == nullptr || !row->summary) {
        return tr("choisissez d'abord un élève dont le fichier se lit");
    }
    const std::optional<progress::PictureFormat> format = progress::pictureFormatOf(bytes(path));
    if (!format) {
        return tr("« %1 » doit finir par .pdf, .png, .jpg ou .jpeg").arg(path);
    }
    if (QString why = refusal(path); !why.isEmpty()) {
        return why;
    }
    // The picture in view, or drawn now from the file as last read: what
    // --report would draw from it.
    const QImage image =
        m_reportSummary == row->summary && m_reportOf == row->name && !m_reportImage.isNull()
            ? m_reportImage
            : progress::reportpicture::render(
                  *row->summary, QFile::decodeName(QByteArray::fromStdString(row->file.filename().string())));
    return q(progress::replaceFile(bytes(path), progress::encodePicture(image, *format)));
}

QString PupilsWindow::exportClass(const QString& path)
{
    std::vector<progress::classreport::Pupil> pupils = m_model->tickedPupils();
    if (pupils.empty()) {
        return tr("cochez d'abord les élèves du bilan, dans la liste");
    }
    if (progress::pictureFormatOf(bytes(path)) != progress::PictureFormat::Pdf) {
        return tr("le bilan de la classe est un PDF : « %1 » doit finir par .pdf").arg(path);
    }
    if (QString why = refusal(path); !why.isEmpty()) {
        return why;
    }
    return q(progress::classreport::writePdf(bytes(path), pupils));
}

QString PupilsWindow::copyResults(const QString& path)
{
    const std::string from = currentFile();
    if (from.empty()) {
        return tr("choisissez d'abord un élève");
    }
    if (QString why = refusal(path); !why.isEmpty()) {
        return why;
    }
    const progress::PupilRow* row = currentRow();
    if (row != nullptr && row->files.size() > 1) {
        // Several computers' files: every run once, in one file.
        std::string error;
        const std::optional<std::string> text =
            progress::transfer::resultsText(m_services.folder, row->name.toStdString(), &error);
        if (!text) {
            return q(error);
        }
        return q(progress::replaceFile(bytes(path), QByteArray::fromStdString(*text)));
    }
    QString error;
    const std::optional<QByteArray> data = readWhole(from, &error);
    if (!data) {
        return error;
    }
    return q(progress::replaceFile(bytes(path), *data));
}

QString PupilsWindow::importResults(const QString& path)
{
    // An exported record goes to the pupil it names; a results file, to the
    // pupil chosen.
    const std::string file = bytes(path);
    const std::string named = progress::transfer::recordName(file);
    const progress::PupilRow* row = currentRow();
    const std::string name =
        !named.empty() || row == nullptr || !row->problem.empty() ? std::string() : row->name.toStdString();
    if (m_services.computer.id.empty()) {
        return q(m_services.computerProblem);
    }
    progress::transfer::Imported imported;
    if (const std::string error =
            progress::transfer::importFile(m_services.folder, file, name, m_services.computer, &imported);
        !error.empty()) {
        return q(error);
    }
    m_lastImport = tr("%1 : %2 ajoutés, %3 déjà là")
                       .arg(q(imported.pupil))
                       .arg(imported.added == 1 ? tr("1 exercice") : tr("%1 exercices").arg(imported.added))
                       .arg(imported.known);
    reload();
    choosePupil(q(imported.pupil));
    return {};
}

void PupilsWindow::askImport()
{
    QFileDialog dialog(this, tr("Importer des exercices"), QDir::homePath(),
                       tr("Dossier d'élève ou résultats (*.csv *.txt);;Tous les fichiers (*)"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAccessibleName(tr("Importer des exercices"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString error = importResults(dialog.selectedFiles().constFirst());
    say(error.isEmpty() ? tr("Importé : %1").arg(m_lastImport) : tr("Rien n'est importé : %1").arg(error),
        !error.isEmpty());
}

QString PupilsWindow::askFile(const QString& title, const QString& suggested, const QString& filters)
{
    QFileDialog dialog(this, title, QDir::home().filePath(suggested), filters);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAccessibleName(title);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void PupilsWindow::askExportReport()
{
    const QString name = current();
    if (name.isEmpty()) {
        return;
    }
    const QString path = askFile(tr("Exporter le bilan de %1").arg(name), name + QStringLiteral(".pdf"),
                                 tr("PDF (*.pdf);;Image PNG (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = exportReport(path);
    say(error.isEmpty() ? tr("Bilan de %1 exporté : %2").arg(name, path) : tr("Pas exporté : %1").arg(error),
        !error.isEmpty());
}

void PupilsWindow::askExportClass()
{
    if (m_model->tickedPupils().empty()) {
        say(tr("Cochez d'abord les élèves du bilan, dans la liste (Espace coche l'élève choisi)"), true);
        return;
    }
    const QString path = askFile(tr("Exporter le bilan de la classe"), tr("classe.pdf"), tr("PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = exportClass(path);
    say(error.isEmpty() ? tr("Bilan de la classe exporté : %1").arg(path) : tr("Pas exporté : %1").arg(error),
        !error.isEmpty());
}

void PupilsWindow::askCopyResults()
{
    const QString name = current();
    if (name.isEmpty()) {
        return;
    }
    const QString path =
        askFile(tr("Copier les résultats de %1").arg(name), name + tr(" - résultats.csv"), tr("CSV (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = copyResults(path);
    say(error.isEmpty() ? tr("Résultats de %1 copiés : %2").arg(name, path) : tr("Pas copié : %1").arg(error),
        !error.isEmpty());
}
