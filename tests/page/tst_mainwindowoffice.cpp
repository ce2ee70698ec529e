#include "assembly/elementrecord.h"
#include "input_window.h"
#include "libreoffice/libreofficeclient.h"
#include "libreoffice/lofiles.h"
#include "mainwindow.h"
#include "officetestsupport.h"
#include "pdfmeasure.h"
#include "testhome.h"
#include "wpsmainwindow.h"
#include "x11test.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using namespace automation;

namespace {

QStringList shapeNames(const DocumentPtr &document)
{
    QStringList names;
    const ShapesPtr shapes = document->shapes();
    for (long i = 1; i <= shapes->count(); ++i)
        names.append(shapes->item(i)->name());
    names.sort();
    return names;
}

} // namespace

// The conversions in the main window with LibreOffice embedded, on Xvfb.
class TestMainWindowOffice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVX_REQUIRE_LIBREOFFICE();
        QVX_REQUIRE_OFFICE_WINDOW(true);
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_home.reset();
    }

    void convertEveryKind_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("fields"); // objectName=text, separated by |
        QTest::addColumn<QString>("body"); // one paragraph a line
        QTest::newRow("down-going")
            << "套下行文"
            << "cmbmj=秘密|cmbqx=1年|cmbjj=特急|edtbt=关于做好今冬明春安全生产工作的通知|"
               "edtzs=各区县人民政府，市政府各部门|edtcs=市委办公室，市人大常委会办公室"
            << "为做好今冬明春安全生产工作，现就有关事项通知如下。\n一、压实工作责任\n"
               "各地区各部门要层层压实安全生产责任。\n特此通知。";
        QTest::newRow("up-going")
            << "套上行文"
            << "edtbt=关于请求拨付防汛救灾资金的请示|edtzs=省人民政府|edqf=张三丰"
            << "今年入汛以来，我市遭受多轮强降雨袭击。\n恳请省政府拨付防汛救灾资金5000万元。\n"
               "妥否，请批示。";
        QTest::newRow("letter") << "信函格式"
                                << "cmbjj=加急|edtbt=关于商请协助开展联合检查的函|edtzs=市财政局"
                                << "拟于下月开展联合检查。\n请贵局派员参加。\n特此函达。";
    }

    // Converted, exported (pages kept to look at), saved as .docx, reopened
    // and converted again, which replaces the first conversion.
    void convertEveryKind()
    {
        QFETCH(QString, label);
        QFETCH(QString, fields);
        QFETCH(QString, body);
        if (!m_window) {
            m_home = std::make_unique<TestHome>();
            for (const QFileInfo &file :
                 QDir(QStringLiteral(QVX_EXAMPLE_DIR)).entryInfoList({"*.ini"})) {
                QFile example(file.filePath());
                QVERIFY(example.open(QIODevice::ReadOnly));
                m_home->writeFile(file.fileName(), example.readAll());
            }
            m_window = std::make_unique<MainWindow>();
            m_window->resize(1400, 900);
            m_window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        }
        const ApplicationPtr app = m_window->page()->application();
        QVERIFY2(app, "LibreOffice did not start");
        DocumentPtr document = app->documents()->add();
        QVERIFY(document);
        document->content()->insertBefore(body);

        const QString title = fields.section(QStringLiteral("edtbt="), 1).section('|', 0, 0);
        QDialog *dialog = convert(label, fields.split('|'));
        QVERIFY(dialog && !dialog->isVisible());
        document = app->activeDocument();
        const QStringList shapes = shapeNames(document);
        QVERIFY2(shapes.contains("WJBT") && shapes.contains("GWXH") && shapes.contains("bj_gw"),
                 qPrintable(shapes.join(' ')));
        QCOMPARE(document->content()->text().count(title), 1);

        const QString name = QStringLiteral(QVX_ARTIFACTS_DIR "/conversion-")
            + QString::fromLatin1(QTest::currentDataTag());
        QDir().mkpath(QStringLiteral(QVX_ARTIFACTS_DIR));
        PrintOutOptions pdfOptions;
        pdfOptions.outputFileName = Variant(name + ".pdf");
        QVERIFY(document->printOut(pdfOptions));
        const pdfmeasure::PdfFile pdf(name + ".pdf");
        QVERIFY2(pdf.isValid(), qPrintable(pdf.error()));
        const pdfmeasure::PageImage first(pdf.render(1, 100, name + "-1.png"), 100);
        pdf.render(pdf.pageCount(), 100, name + "-last.png");
        QVERIFY2(pdf.compactText(1).contains(title), qPrintable(pdf.compactText(1)));
        QVERIFY(first.inkCount(pdfmeasure::isRed) > 500);
        // The signer on one line; the letter's number beside the urgency, and
        // no imprint row.
        const QString number
            = assembly::readElement(app, Element::WenHao.id, Element::WenHao.key());
        if (label == QStringLiteral("套上行文"))
            QVERIFY(!pdf.find(1, QStringLiteral("签发人：张三丰")).isNull());
        if (label == QStringLiteral("信函格式")) {
            const QRectF urgency = pdf.find(1, QStringLiteral("加急"));
            QVERIFY(!urgency.isNull());
            QVERIFY2(qAbs(pdf.find(1, number).top() - urgency.top()) < 4,
                     qPrintable(QString::number(pdf.find(1, number).top() - urgency.top())));
        } else {
            QVERIFY(pdf.compactText(pdf.pageCount()).contains(QStringLiteral("印发")));
        }

        // Saved, opened again and converted with the elements it offers.
        const QString docx = name + ".docx";
        QFile::remove(docx);
        QVERIFY(libreoffice::saveDocumentAs(app, docx));
        document->close(Variant(false));
        QVERIFY(libreoffice::openDocument(app, docx));
        dialog = convert(label, {});
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("edtbt"))->text(), title);
        document = app->activeDocument();
        QCOMPARE(shapeNames(document), shapes);
        const QStringList texts = body.split('\n') << title;
        for (const QString &text : texts)
            QCOMPARE(document->content()->text().count(text), 1);
        document->close(Variant(false));
    }

private:
    // Runs the command, fills its dialog (objectName=text) and confirms it.
    QDialog *convert(const QString &label, const QStringList &fields)
    {
        m_window->page()->slotButtonClick(label);
        QDialog *dialog = m_window->page()->elementInputDialog();
        if (!QTest::qWaitForWindowExposed(dialog))
            return nullptr;
        for (const QString &field : fields) {
            QWidget *widget = dialog->findChild<QWidget *>(field.section('=', 0, 0));
            const QString text = field.section('=', 1);
            // Key clicks cannot carry Chinese text.
            if (auto *combo = qobject_cast<QComboBox *>(widget))
                combo->setEditText(text);
            else if (auto *edit = qobject_cast<QLineEdit *>(widget))
                edit->setText(text);
            else
                return nullptr;
        }
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        return dialog;
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MainWindow> m_window;
};

int main(int argc, char *argv[])
{
    return x11test::runOnOwnXvfb<TestMainWindowOffice>(argc, argv);
}

#include "tst_mainwindowoffice.moc"
