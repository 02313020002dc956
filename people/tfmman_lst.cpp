#include "people/tfmman_lst.h"

#include "common/action_guard.h"
#include "common/clock.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/person_code_lists.h"
#include "common/shared_values.h"
#include "common/store_helpers.h"
#include "people/mail_out.h"
#include "people/next_birthday.h"
#include "people/people_export.h"
#include "people/people_model.h"
#include "people/tfmman_cod.h"
#include "people/tfmman_imd.h"
#include "people/tform2.h"
#include "tools/tfmzip.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

namespace {

// Closes the list query when the rows have been read, or when reading them
// failed: no read of the store stays open while the list waits for the user.
class ClosedAfterReading {
public:
    explicit ClosedAfterReading(Query& query) : query_(query) {}
    ~ClosedAfterReading() { query_.close(); }
    ClosedAfterReading(const ClosedAfterReading&) = delete;
    ClosedAfterReading& operator=(const ClosedAfterReading&) = delete;

private:
    Query& query_;
};

// Fills a drop-down list with a person code list ("전체" first) and keeps the
// item that was chosen when the list still offers it.
void refill(QComboBox* box, int listIndex) {
    const QString chosen = box->currentText();
    const QSignalBlocker quiet(box);
    fillWithPersonCodes(*box, sharedValues().personCodes.list(listIndex), 4);
    const int index = box->findText(chosen);
    if (index > 0) box->setCurrentIndex(index);
}

QString withSuffix(const QString& path, const QString& suffix) {
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

}  // namespace

TFMman_lst::TFMman_lst(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMman_lst"));
    setWindowTitle(QStringLiteral("인명부 관리"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    buildForm();
    connectControls();
    installFieldHandling();
    resize(1180, 720);
}

TFMman_lst::~TFMman_lst() {
    for (QLineEdit* field : {EDday1, EDday2, EDguipday1, EDguipday2})
        field->removeEventFilter(this);
    DBGrid1->setModel(nullptr);
}

void TFMman_lst::connectControls() {
    connect(BTinq, &QPushButton::clicked, this, guarded([this] { search(false); }));
    connect(BTdetinq, &QPushButton::clicked, this, guarded([this] { search(true); }));
    connect(BTinqset, &QPushButton::clicked, this, [this] { openExtraPanel(); });
    connect(BTclose, &QPushButton::clicked, this, [this] {
        PNinqset->hide();
        DBGrid1->setFocus();
    });
    connect(BTupcoming, &QPushButton::clicked, this, guarded([this] { searchUpcoming(); }));
    // The mode comes from the button pressed, never from where the focus is.
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { openEntryForm(1); }));
    connect(BTmod, &QPushButton::clicked, this, guarded([this] { openEntryForm(2); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { openEntryForm(2); }));
    connect(BTallview, &QPushButton::clicked, this, guarded([this] { openEntryForm(4); }));
    connect(DBGrid1, &QTableView::doubleClicked, this, guarded([this] { openEntryForm(4); }));
    connect(BTdm, &QPushButton::clicked, this, guarded([this] { sendDm(); }));
    connect(BTcode, &QPushButton::clicked, this, guarded([this] { openCodes(); }));
    connect(BTzip, &QPushButton::clicked, this, guarded([this] { openPostalCodes(); }));
    connect(BTcsv, &QPushButton::clicked, this, guarded([this] { saveCsv(); }));
    connect(BTvcard, &QPushButton::clicked, this, guarded([this] { saveVCards(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showDetail(); });
}

void TFMman_lst::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    placeExtraPanel();
    formActivate();
}

void TFMman_lst::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeExtraPanel();
}

bool TFMman_lst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Leaving a date field rewrites the date; a text that is not a date
        // is refused and the focus goes back. Switching to another window (a
        // message) is not leaving the field.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            field->isVisible() && !normalizeDateField(field)) {
            QTimer::singleShot(0, field, [field] { field->setFocus(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFMman_lst::formActivate() {
    fillCodeLists();
    runGuarded([this] { search(false); });
}

void TFMman_lst::fillCodeLists() {
    refill(CBcompart, 1);
    refill(CBcargubun, 3);
    refill(CBgubun, 4);
}

PeopleSearchInput TFMman_lst::searchInput(bool withExtra) const {
    PeopleSearchInput input;
    input.gubun = CBgubun->currentText();
    input.compart = CBcompart->currentText();
    input.cargubun = CBcargubun->currentText();
    input.name = EDname->text();
    input.loca = EDloca->text();
    input.dateKind = RB2->isChecked() ? PeopleDateKind::Anniversary : PeopleDateKind::Birthday;
    input.day1 = EDday1->text();
    input.day2 = EDday2->text();
    input.withExtra = withExtra;
    input.comname = EDcomname->text();
    input.comaddr = EDcomaddr->text();
    input.buse = EDbuse->text();
    input.grade = EDgrade->text();
    input.job = EDjob->text();
    input.highschool = EDhighschool->text();
    input.univ1 = EDuniv1->text();
    input.univ2 = EDuniv2->text();
    input.tg = EDtg->text();
    input.cm = EDcm->text();
    input.major = EDmajor->text();
    input.name1 = EDname1->text();
    input.guipday1 = EDguipday1->text();
    input.guipday2 = EDguipday2->text();
    return input;
}

// One bound alone: the other takes its date, so that one day is searched.
void TFMman_lst::fillRangeBound() {
    if (EDday1->text().trimmed().isEmpty() && !EDday2->text().trimmed().isEmpty())
        EDday1->setText(EDday2->text());
    if (EDday2->text().trimmed().isEmpty() && !EDday1->text().trimmed().isEmpty())
        EDday2->setText(EDday1->text());
}

void TFMman_lst::search(bool withExtra) {
    if (withExtra) PNinqset->hide();
    fillRangeBound();
    runSearch({false, 0, searchInput(withExtra)});
}

void TFMman_lst::searchUpcoming() {
    const int days = CBupcoming->currentIndex() == 0 ? 7 : 30;
    runSearch({true, days, searchInput(false)});
}

void TFMman_lst::runSearch(const Shown& search, const QString& keepKey) {
    const PeopleStatement statement = search.upcoming ? buildAnniversaryCandidates(search.input)
                                                      : buildPeopleSearch(search.input);
    if (!statement.ok()) {
        // Nothing is searched: the list keeps showing the last result.
        dialogs().warning(statement.refusal);
        if (auto* field = findChild<QLineEdit*>(statement.refusedField)) field->setFocus();
        return;
    }
    statement.applyTo(QRman);
    std::vector<PersonRecord> people;
    {
        const ClosedAfterReading closed(QRman);
        if (!openWithRetry(QRman)) return;
        for (QRman.first(); !QRman.eof(); QRman.next())
            people.push_back(personFromQuery(QRman));
    }
    const QDate today = appClock().today();
    if (search.upcoming) {
        const std::vector<UpcomingDay> coming = upcomingDays(people, today, search.days);
        people.clear();
        for (const UpcomingDay& day : coming)
            people.push_back(day.person);
    }
    shown_ = search;
    model_->setPeople(std::move(people), today,
                      search.upcoming ? today.addDays(search.days - 1) : QDate());
    showResult(keepKey);
}

void TFMman_lst::showResult(const QString& keepKey) {
    const int rows = model_->rowCount();
    StatusCount->setText(QStringLiteral("검색: ") + QString::number(rows));
    if (shown_.upcoming) {
        const QDate today = appClock().today();
        StatusMode->setText(QStringLiteral("다가오는 생일·결혼기념일: %1 ~ %2 (%3일)")
                                .arg(isoDate(today), isoDate(today.addDays(shown_.days - 1)))
                                .arg(shown_.days));
    } else {
        StatusMode->clear();
    }
    for (QPushButton* button : {BTmod, BTdel, BTallview, BTdm, BTcsv, BTvcard})
        button->setEnabled(rows > 0);
    if (rows > 0) {
        const int row = std::max(0, model_->rowOf(keepKey));
        DBGrid1->selectionModel()->setCurrentIndex(
            model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        DBGrid1->scrollTo(model_->index(row, 0));
    }
    showDetail();
    DBGrid1->setFocus();
}

void TFMman_lst::showDetail() {
    const int row = DBGrid1->currentIndex().row();
    const bool shown = row >= 0 && row < model_->rowCount();
    const PersonRecord person = shown ? model_->person(row) : PersonRecord{};
    DBcomaddr->setText(person.comaddr);
    DBcomaddr1->setText(person.comaddr1);
    DBhomeaddr->setText(person.homeaddr);
    DBhomeaddr1->setText(person.homeaddr1);
    DBcargubun->setText(person.cargubun);
    DBguipday->setText(person.guipday);
    DBpipi->setText(person.pipi);
    DBcomtel->setText(person.comtel);
    QString birthday;
    if (shown && !person.birthday.isEmpty()) {
        birthday = person.birthday +
                   (person.lunarBirthday() ? QStringLiteral(" (음)") : QStringLiteral(" (양)"));
        const QString next = nextBirthdayText(person, appClock().today());
        if (!next.isEmpty()) birthday += QStringLiteral("  다음: ") + next;
    }
    DBbirthday->setText(birthday);
}

QString TFMman_lst::selectedKey() const {
    const int row = DBGrid1->currentIndex().row();
    if (row < 0 || row >= model_->rowCount()) return {};
    return model_->person(row).scancode;
}

void TFMman_lst::openEntryForm(int mode) {
    const QString key = selectedKey();
    if (mode != 1 && key.isEmpty()) return;
    QString keep = key;
    {
        TFMman_imd entry(this);
        entry.entryMode = mode;
        entry.scancode = mode == 1 ? QString() : key;
        entry.exec();
        if (!entry.savedKey().isEmpty()) keep = entry.savedKey();
    }
    // The same search again, so that the list shows the change, on the row
    // of the Person just handled when it is still listed.
    runSearch(shown_, keep);
}

void TFMman_lst::sendDm() {
    const int rows = model_->rowCount();
    if (rows == 0) return;
    replaceMailOut(model_->people());
    StatusMode->setText(QStringLiteral("DM 발송 대상 %1명을 담았습니다").arg(rows));
    // The label screen reads the mail-out table (readMailOut(), people/mail_out.h),
    // one label a Person.
    {
        TForm2 labels(this);
        labels.exec();
    }
    DBGrid1->setFocus();
}

void TFMman_lst::openCodes() {
    {
        TFMman_cod codes(this);
        codes.exec();
    }
    Query codeQuery;
    sharedValues().personCodes.load(codeQuery);
    fillCodeLists();
    DBGrid1->setFocus();
}

void TFMman_lst::openPostalCodes() {
    TFMzip lookUp(this);
    lookUp.exec();
}

void TFMman_lst::saveCsv() {
    if (model_->rowCount() == 0) return;
    const QString chosen = dialogs().saveFileName(QStringLiteral("인명부 저장 (CSV)"),
                                                  QStringLiteral("CSV 파일 (*.csv)"));
    if (chosen.isEmpty()) return;
    const QString path = withSuffix(chosen, QStringLiteral(".csv"));
    if (!writeWholeFile(path, peopleCsv(model_->people(), appClock().today()))) {
        dialogs().warning(QStringLiteral("파일을 저장할 수 없습니다: ") + path +
                          QStringLiteral(" ...!"));
        return;
    }
    StatusMode->setText(
        QStringLiteral("%1명을 저장하였습니다: %2").arg(model_->rowCount()).arg(path));
}

void TFMman_lst::saveVCards() {
    if (model_->rowCount() == 0) return;
    const QString chosen = dialogs().saveFileName(QStringLiteral("인명부 저장 (vCard)"),
                                                  QStringLiteral("vCard 파일 (*.vcf)"));
    if (chosen.isEmpty()) return;
    const QString path = withSuffix(chosen, QStringLiteral(".vcf"));
    if (!writeWholeFile(path, peopleVCards(model_->people()))) {
        dialogs().warning(QStringLiteral("파일을 저장할 수 없습니다: ") + path +
                          QStringLiteral(" ...!"));
        return;
    }
    StatusMode->setText(
        QStringLiteral("%1명을 저장하였습니다: %2").arg(model_->rowCount()).arg(path));
}

void TFMman_lst::openExtraPanel() {
    placeExtraPanel();
    PNinqset->show();
    PNinqset->raise();
    EDcomname->setFocus();
}
