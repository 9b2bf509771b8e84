#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QUrl>
#include <fstream>
#include <memory>

#include "app/main_window.h"
#include "dump_builder.h"
#include "fake_prompts.h"
#include "sample_dump.h"
#include "views/param_chart_page.h"
#include "views/rele_chart_page.h"
#include "views/widgets.h"

using valta9::LoadedImage;
using valta9::TForm_Main;
using valta9::test::DumpBuilder;
using valta9::test::FakePrompts;
using valta9::test::frameAt;
using valta9::test::overloadAt;

namespace {

// A ring in storage order (the newest frame at slot 2047) with the given loads of winch 1.
DumpBuilder ringWithLoads(std::initializer_list<std::pair<std::size_t, std::uint8_t>> loads) {
    DumpBuilder dump;
    for (const auto& [slot, load] : loads) {
        dump.bytes(frameAt(slot) + 22, {load});
    }
    dump.bytes(frameAt(2047) + 31, {175});
    dump.sealAll();
    return dump;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_sample;
    valta9::sample::SampleFacts m_facts;
    std::unique_ptr<FakePrompts> m_prompts;
    std::unique_ptr<TForm_Main> m_window;

    QString write(const QString& name, const std::vector<std::uint8_t>& bytes) {
        const QString path = m_dir.filePath(name);
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    template <typename T = QWidget> T* find(const char* name) const {
        T* w = m_window->findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr) {
            qFatal("no widget %s", name);
        }
        return w;
    }
    QString text(const char* name) const {
        QWidget* w = find(name);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            return label->text();
        }
        return qobject_cast<QLineEdit*>(w)->text();
    }
    QString cell(const char* grid, int row, int column) const {
        return find<QTableWidget>(grid)->item(row, column)->text();
    }
    bool open(const QString& path) {
        m_prompts->answers << path;
        m_window->Menu_OpenClick();
        return m_window->image().loaded;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const auto dump = valta9::sample::generateSampleDump(4301);
        m_facts = dump.facts;
        m_sample = write(QStringLiteral("sample.drn"), dump.bytes);
    }
    void init() {
        m_prompts = std::make_unique<FakePrompts>();
        m_window = std::make_unique<TForm_Main>(*m_prompts);
    }
    void cleanup() {
        m_window.reset();
        m_prompts.reset();
    }

    void startsOnTheOverloadPageWithTheDesignTexts() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Анализ данных регистратора параметров ВАЛТА-9"));
        QCOMPARE(find<QTabWidget>("PageControl_Main")->currentWidget()->objectName(), QStringLiteral("TabSheet_Cikl"));
        QCOMPARE(find<QTabWidget>("PageControl_Cikl")->currentWidget()->objectName(), QStringLiteral("TabSheet_Per"));
        QCOMPARE(find<QTabWidget>("PageControl_Const")->currentWidget()->objectName(), QStringLiteral("TabSheet_Ident"));
        QCOMPARE(find<QTabWidget>("PageControl_Grafik")->currentWidget()->objectName(), QStringLiteral("TabSheet_Param"));
        QCOMPARE(text("Edit_Name"), QStringLiteral("Неизвестен"));
        QCOMPARE(text("Label_KNag"), QStringLiteral("0"));
        QCOMPARE(find<QProgressBar>("CGauge_70")->value(), 55);
        QVERIFY(!find<QProgressBar>("ProgressBar_Read")->isVisibleTo(m_window.get()));
        const std::pair<const char*, QKeySequence> shortcuts[] = {
            {"Menu_Open", QKeySequence(QStringLiteral("Ctrl+O"))},
            {"Menu_Clear", QKeySequence(QStringLiteral("Ctrl+W"))},
            {"Menu_DOREN4", QKeySequence(QStringLiteral("Ctrl+E"))}};
        for (const auto& [name, keys] : shortcuts) {
            QCOMPARE(find<QAction>(name)->shortcut(), keys);
        }
    }

    void openingTheSampleFillsEveryPage() {
        QVERIFY(open(m_sample));
        QCOMPARE(m_prompts->folders, QStringList{QStringLiteral("bin_prm")});
        QVERIFY(m_prompts->shown.empty());
        QCOMPARE(text("Edit_NKr"), QStringLiteral("%1").arg(m_facts.craneNumber, 8, 10, QLatin1Char('0')));
        QCOMPARE(text("Edit_Name"), QString::fromStdString(m_facts.operatorTexts[0]));
        QCOMPARE(text("Edit_GodKr"), QStringLiteral("15.06.2006"));
        QCOMPARE(text("L_GRKr"), QStringLiteral("A5"));
        QCOMPARE(m_window->statusText(1), m_sample);
        QCOMPARE(m_window->statusText(2), QStringLiteral("Версия БТП: %1").arg(m_facts.btpVersion));
        QCOMPARE(find<QTextEdit>("RE_Param")->toPlainText().split(QLatin1Char('\n')).size(), 121);
        QCOMPARE(find<QScrollBar>("ScrollBar_Cikl")->value(), 2045);
        QCOMPARE(cell("StringGrid_O_Otb", 0, 2), QStringLiteral("2047"));
        QCOMPARE(find<QScrollBar>("ScrollBar_Per")->value(), 92);
        QCOMPARE(text("Label_Per_OtbZap"), QStringLiteral("99"));
        QVERIFY(find<QLabel>("Label_MaxM1")->isVisibleTo(m_window.get()));
        QVERIFY(text("Label_MaxM1").startsWith(QStringLiteral("Максимальная перегрузка первой лебедки")));
        QVERIFY(find<QLabel>("L_Sum0")->isVisibleTo(m_window.get()));
        QVERIFY(find<QAction>("Menu_Parametr_Bank0")->isChecked());

        // A second open replaces the listing rather than adding to it.
        QVERIFY(open(m_sample));
        QCOMPARE(find<QTextEdit>("RE_Param")->toPlainText().split(QLatin1Char('\n')).size(), 121);
    }

    void erasedDumpShowsEveryChecksumMessageInOrder() {
        QVERIFY(open(write(QStringLiteral("erased.drn"), DumpBuilder(0xFF).build())));
        QCOMPARE(m_prompts->shown.size(), std::size_t{15});
        for (const auto& [kind, message] : m_prompts->shown) {
            QCOMPARE(kind, FakePrompts::Kind::Message);
        }
        QCOMPARE(m_prompts->shown.front().second, QStringLiteral("Ошибка контольной суммы идентификации в Банке-0!"));
        QCOMPARE(m_prompts->shown[10].second, QStringLiteral("Ошибка контольной суммы время работы механизмов в Банке-0!"));
        QCOMPARE(m_prompts->shown.back().second, QStringLiteral("Ошибка контольной суммы структуры \"Parametr\""));
        QCOMPARE(m_window->statusText(2), QStringLiteral("Версия БТП: не определена"));
        QVERIFY(!find<QLabel>("L_Sum0")->isVisibleTo(m_window.get()));
        QVERIFY(!find<QLabel>("Label_MaxM1")->isVisibleTo(m_window.get()));
    }

    void failedOpenChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QStringLiteral("missing.drn") << -1 << QStringLiteral("\n Файл не удальсь открыть!");
        QTest::newRow("folder") << QString() << -1 << QStringLiteral("\n Файл не удальсь открыть!");
        QTest::newRow("short file") << QStringLiteral("short.drn") << 1000
                                    << QStringLiteral("Файл повреждён или не является дампом РП: размер 1000 байт, ожидается не менее 270337.");
        QTest::newRow("cancelled dialog") << QStringLiteral("<cancel>") << -1 << QString();
    }
    void failedOpenChangesNothing() {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(QString, message);
        QVERIFY(open(m_sample));
        find<QScrollBar>("ScrollBar_Cikl")->setValue(100);
        const QString crane = text("Edit_NKr");
        const QString firstCell = cell("StringGrid_O_Otb", 0, 0);
        m_prompts->shown.clear();

        QString path = name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
        if (size >= 0) {
            path = write(name, std::vector<std::uint8_t>(static_cast<std::size_t>(size), 0xFF));
        }
        m_prompts->answers << (name == QStringLiteral("<cancel>") ? QString() : path);
        m_window->Menu_OpenClick();

        QCOMPARE(m_prompts->texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(m_prompts->shown.front().first, FakePrompts::Kind::Error);
        }
        QCOMPARE(text("Edit_NKr"), crane);
        QCOMPARE(m_window->statusText(1), m_sample);
        QCOMPARE(cell("StringGrid_O_Otb", 0, 0), firstCell);
        QCOMPARE(find<QScrollBar>("ScrollBar_Cikl")->value(), 100);
        QVERIFY(m_window->image().loaded);
    }

    void clearAllBringsBackTheDesign() {
        QVERIFY(open(m_sample));
        find<QLineEdit>("Edit_O_M")->setText(QStringLiteral("50"));
        find<QAction>("Menu_Clear")->trigger();
        QVERIFY(!m_window->image().loaded);
        QCOMPARE(text("Edit_Name"), QStringLiteral("Неизвестен"));
        QCOMPARE(text("Edit_NKr"), QString());
        QCOMPARE(text("Label_RezhQ"), QStringLiteral("Q1"));
        QCOMPARE(text("Label_O_OtbZap"), QStringLiteral("0000"));
        QCOMPARE(text("Label_Per_OtbZap"), QStringLiteral("0000"));
        QCOMPARE(text("Edit_O_M"), QStringLiteral("0"));
        QCOMPARE(find<QProgressBar>("CGauge_10")->value(), 10);
        QCOMPARE(m_window->statusText(1), QString());
        QCOMPARE(m_window->statusText(2), QString());
        QCOMPARE(find<QTextEdit>("RE_Param")->toPlainText(), QString());
        QCOMPARE(cell("StringGrid_O_Otb", 0, 2), QString());
        QCOMPARE(cell("StringGrid_Per_Otb", 0, 7), QString());
        QVERIFY(!find<QLabel>("L_Sum0")->isVisibleTo(m_window.get()));
        QVERIFY(find<QLabel>("Label_MaxM1")->isVisibleTo(m_window.get()));
        QVERIFY(!find<QAction>("Menu_Parametr_Bank0")->isChecked());
        // With nothing loaded the selection does nothing.
        find<QPushButton>("Button_Find")->click();
        QCOMPARE(text("Label_O_OtbZap"), QStringLiteral("0000"));
    }

    void frameSelectionThroughTheControls_data() {
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("firstRow");
        QTest::newRow("everything") << QStringLiteral("0") << 2048 << 2045 << 2045
                                    << QStringList{QStringLiteral("2045"), QStringLiteral("2046"), QStringLiteral("2047")};
        QTest::newRow("above every load") << QStringLiteral("256") << 0 << 0 << 0 << QStringList{{}, {}, {}};
        QTest::newRow("two frames") << QStringLiteral("200") << 2 << 0 << 0
                                    << QStringList{QStringLiteral("10"), QStringLiteral("20"), {}};
        QTest::newRow("four frames") << QStringLiteral("110") << 4 << 1 << 1
                                     << QStringList{QStringLiteral("20"), {}, QStringLiteral("40")};
    }
    void frameSelectionThroughTheControls() {
        QFETCH(QString, threshold);
        QFETCH(int, count);
        QFETCH(int, maximum);
        QFETCH(int, position);
        QFETCH(QStringList, firstRow);
        // Frame 30 passes at 100 % but its checksum is broken: it counts, its column stays blank.
        DumpBuilder dump = ringWithLoads({{5, 100}, {10, 210}, {20, 255}, {30, 150}, {40, 120}});
        dump.bytes(frameAt(30) + 30, {0x00});
        QVERIFY(open(write(QStringLiteral("loads.drn"), dump.build())));
        find<QScrollBar>("ScrollBar_Cikl")->setValue(0);

        auto* edit = find<QLineEdit>("Edit_O_M");
        edit->clear();
        QTest::keyClicks(edit, threshold);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::red));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::black));

        QCOMPARE(text("Label_O_OtbZap"), QString::number(count));
        QCOMPARE(find<QScrollBar>("ScrollBar_Cikl")->maximum(), maximum);
        QCOMPARE(find<QScrollBar>("ScrollBar_Cikl")->value(), position);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(cell("StringGrid_O_Otb", 0, k), firstRow[k]);
        }
        // "Найти" runs the same selection and leaves the colour alone.
        find<QPushButton>("Button_Find")->click();
        QCOMPARE(text("Label_O_OtbZap"), QString::number(count));
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::black));
    }

    void thresholdThatIsNoNumberKeepsTheSelection() {
        QVERIFY(open(write(QStringLiteral("loads.drn"), ringWithLoads({{10, 210}, {20, 255}}).build())));
        auto* edit = find<QLineEdit>("Edit_O_M");
        edit->setText(QStringLiteral("200"));
        find<QPushButton>("Button_Find")->click();
        QCOMPARE(text("Label_O_OtbZap"), QStringLiteral("2"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("2x"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_prompts->texts(), QStringList{QStringLiteral("\"2x\" не является целым числом.")});
        QCOMPARE(m_prompts->shown.front().first, FakePrompts::Kind::Error);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(text("Label_O_OtbZap"), QStringLiteral("2"));
        QCOMPARE(cell("StringGrid_O_Otb", 0, 0), QStringLiteral("10"));
        // The check boxes keep narrowing the same way once the number is right again.
        edit->setText(QStringLiteral("200"));
        find<QCheckBox>("CheckBox_Error")->click();
        QCOMPARE(text("Label_O_OtbZap"), QStringLiteral("0"));
    }

    void lampsShowTheFrameOfTheChosenColumn() {
        DumpBuilder dump;
        dump.bytes(frameAt(2045) + 20, {0x13, 0xF8})  // inputs 00010011, relays 11111000
            .bytes(frameAt(2046) + 20, {0x00, 0xFE})  // relays 11111110
            .u16(valta9::test::kSettings + 62, 5)     // relay V6 fitted, V7 not
            .bytes(frameAt(2047) + 31, {175})
            .sealAll();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(open(write(QStringLiteral("lamps.drn"), dump.build())));
        find<QTabWidget>("PageControl_Cikl")->setCurrentIndex(0);
        const auto lit = [this] {
            QStringList on;
            for (const char* lamp : {"L_D8", "L_D7", "L_D6", "L_D5", "L_D4", "L_V8", "L_V7", "L_V6"}) {
                if (find<valta9::Lamp>(lamp)->isLit()) {
                    on << QString::fromLatin1(lamp);
                }
            }
            return on;
        };
        // The open leaves the window at 2045: column 0 lights its lamps.
        QCOMPARE(lit(), (QStringList{"L_D8", "L_D7", "L_D4", "L_V8", "L_V6"}));
        auto* grid = find<QTableWidget>("StringGrid_O_Otb");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(3, 1)).center());
        QCOMPARE(lit(), (QStringList{"L_V8"}));
    }

    void chartClickOpensTheFrameTable() {
        QVERIFY(open(m_sample));
        find<QTabWidget>("PageControl_Main")->setCurrentIndex(2);
        auto* rele = m_window->findChild<valta9::ReleChartPage*>();
        emit rele->frameClicked(1000);
        QCOMPARE(find<QTabWidget>("PageControl_Main")->currentWidget()->objectName(), QStringLiteral("TabSheet_Cikl"));
        QCOMPARE(find<QTabWidget>("PageControl_Cikl")->currentWidget()->objectName(), QStringLiteral("TabSheet_Osn"));
        QCOMPARE(find<QScrollBar>("ScrollBar_Cikl")->value(), 1000);
        emit m_window->findChild<valta9::ParamChartPage*>()->frameClicked(2047);
        QCOMPARE(find<QScrollBar>("ScrollBar_Cikl")->value(), 2045);
    }

    void popupItemSwitchesToTheCharts() {
        find<QAction>("Go_KZ")->trigger();
        QCOMPARE(find<QTabWidget>("PageControl_Main")->currentWidget()->objectName(), QStringLiteral("TabSheet_Grafik"));
    }

    void overloadTableAndItsSelection() {
        DumpBuilder dump;
        const struct {
            std::size_t k;
            std::uint8_t m1, m2;
            std::uint8_t day, month;
        } records[] = {{90, 105, 0, 0x02, 0x01}, {94, 0, 130, 0x05, 0x01}, {97, 120, 0, 0x10, 0x01}, {99, 140, 0, 0x15, 0x02}};
        for (const auto& r : records) {
            dump.bytes(overloadAt(r.k), {r.m1, r.m2}).bytes(overloadAt(r.k) + 10, {r.day, r.month, 0x03});
        }
        dump.bytes(overloadAt(99) + 17, {175}).sealAll();
        dump.bytes(overloadAt(97) + 16, {0x00}); // broken checksum
        QVERIFY(open(write(QStringLiteral("overloads.drn"), dump.build())));

        // Records 92 to 99: the empty ones and the broken one stay blank.
        const QStringList numbers{{}, {}, QStringLiteral("94"), {}, {}, {}, {}, QStringLiteral("99")};
        for (int k = 0; k < 8; ++k) {
            QCOMPARE(cell("StringGrid_Per_Otb", 0, k), numbers[k]);
        }
        QCOMPARE(cell("StringGrid_Per_Otb", 5, 7), QStringLiteral("15.02.03"));
        QCOMPARE(text("Label_MaxM1"), QStringLiteral("Максимальная перегрузка первой лебедки произошла 15.02.03 в 00:00:00 и составила 140%."));
        find<QScrollBar>("ScrollBar_Per")->setValue(0);
        QCOMPARE(cell("StringGrid_Per_Otb", 0, 0), QString());

        find<QLineEdit>("Edit_Per_M")->setText(QStringLiteral("110"));
        find<QLineEdit>("Edit_Per_Data0")->setText(QStringLiteral("01.01.03"));
        find<QLineEdit>("Edit_Per_Data1")->setText(QStringLiteral("31.01.03"));
        find<QPushButton>("Button3")->click();
        QCOMPARE(text("Label_Per_OtbZap"), QStringLiteral("2")); // records 94 and 97
        QCOMPARE(cell("StringGrid_Per_Otb", 0, 0), QStringLiteral("94"));
        QCOMPARE(cell("StringGrid_Per_Otb", 0, 1), QString()); // 97 is broken
        QCOMPARE(find<QScrollBar>("ScrollBar_Per")->maximum(), 0);

        find<QLineEdit>("Edit_Per_Data1")->setText(QStringLiteral("31.02.03"));
        find<QPushButton>("Button3")->click();
        QCOMPARE(m_prompts->texts(), QStringList{QStringLiteral("\"31.02.03\" не является датой вида дд.мм.гг.")});
        QCOMPARE(text("Label_Per_OtbZap"), QStringLiteral("2"));
    }

    void droppingADumpOpensIt() {
        auto* mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(m_sample)});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &drop);
        QVERIFY(m_window->image().loaded);
        QCOMPARE(m_window->statusText(1), m_sample);
        delete mime;
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
