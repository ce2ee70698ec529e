#include "assembly/elementrecord.h"
#include "automation/automation.h"
#include "libreoffice/lofiles.h"
#include "pdfmeasure.h"
#include "sharedoffice.h"

#include <QtTest>

using namespace automation;

// quorvex-convert run as a user runs it, on the settings of the README's
// example (cli/example), with inputs of every readable type made by an
// office and the outputs read back: PDF text through pdftotext, .docx files
// reopened for their shapes and element record.
class TestQuorvexConvert : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyKind_data();
    void everyKind();
    void convertedAgainKeepsItsNumber();
    void badInputs_data();
    void badInputs();
    void concurrentRunsTakeDistinctNumbers();
    void refusedBeforeAnyWork_data();
    void refusedBeforeAnyWork();

private:
    struct Run
    {
        int status = -1;
        QString out, err;
    };
    QProcess *start(const QStringList &arguments);
    static Run finish(QProcess *process);
    Run convert(const QStringList &arguments) { return finish(start(arguments)); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void makeInput(const QString &name);
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    int counter() const;
    // The text of a PDF's pages, without white space.
    static QString pdfText(const QString &file)
    {
        const pdfmeasure::PdfFile pdf(file);
        QString text;
        for (int page = 1; page <= pdf.pageCount(); ++page)
            text += pdf.compactText(page);
        return text;
    }

    SharedOffice m_office;
    QTemporaryDir m_dir;
    QString m_year = QString::number(QDate::currentDate().year());
    Run m_batch;
    Run m_bad;
};

QProcess *TestQuorvexConvert::start(const QStringList &arguments)
{
    auto *process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", path("home")); // the offices' profiles
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(m_dir.path());
    process->start(QVX_CONVERT_PROGRAM,
                   QStringList {"--settings-dir", path("settings")} + arguments);
    return process;
}

TestQuorvexConvert::Run TestQuorvexConvert::finish(QProcess *process)
{
    Run run;
    if (process->waitForFinished(300000) && process->exitStatus() == QProcess::NormalExit)
        run.status = process->exitCode();
    run.out = QString::fromUtf8(process->readAllStandardOutput());
    run.err = QString::fromUtf8(process->readAllStandardError());
    process->deleteLater();
    return run;
}

// A notice of two pages as an office saves it, or as a .txt in GB18030.
void TestQuorvexConvert::makeInput(const QString &name)
{
    QStringList body;
    for (int i = 0; i < 12; ++i)
        body << QString("（%1）各单位要高度重视，切实落实安全生产责任，加强隐患排查治理，确保不发生"
                        "重大事故。")
                    .arg(i + 1)
                    .repeated(3);
    if (name.endsWith(".txt"))
        return write(name, QTextCodec::codecForName("GB18030")->fromUnicode(body.join("\n")));
    const ApplicationPtr app = m_office.application();
    const DocumentPtr document = app->documents()->add();
    document->content()->insertAfter(body.join("\n"));
    QVERIFY(libreoffice::saveDocumentAs(m_office.officeApplication(), path(name)));
    document->close(Variant(false));
}

int TestQuorvexConvert::counter() const
{
    const QSettings file(path("settings/xiaxing.ini"), QSettings::IniFormat);
    return file.value(QString("示例市政府文件/wh")).toInt();
}

// One batch of every kind from a manifest, two outputs each, on two offices.
void TestQuorvexConvert::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir().mkpath(path("settings")));
    for (const QFileInfo &file : QDir(QVX_EXAMPLE_DIR).entryInfoList({"*.ini"}))
        QVERIFY(QFile::copy(file.filePath(), path("settings/" + file.fileName())));
    for (const char *input :
         {"notice.docx", "request.odt", "letter.doc", "joint.txt", "minutes.docx"})
        makeInput(input);

    write("batch.csv",
          "\xEF\xBB\xBFinput,output,kind,公文标题,主送单位,copy-to,number,signer,出席\r\n"
          "notice.docx,out/notice.docx,下行文,关于安全生产的通知,各区县人民政府,"
          "\"市委办公室,市人大办公室\",,,\r\n"
          "notice.docx,out/notice.pdf,下行文,关于安全生产的通知,各区县人民政府,,,,\r\n"
          "request.odt,out/request.docx,上行文,关于拨付经费的请示,省人民政府,,,张三,\r\n"
          "request.odt,out/request.pdf,上行文,关于拨付经费的请示,省人民政府,,,张三,\r\n"
          "letter.doc,out/letter.docx,信函,关于商请支持的函,市财政局,,,,\r\n"
          "letter.doc,out/letter.pdf,信函,关于商请支持的函,市财政局,,,,\r\n"
          "letter.doc,out/letter.odt,信函,关于商请支持的函,市财政局,,,,\r\n"
          "joint.txt,out/joint.docx,lianhe,关于联合检查的通知,各县区,,示联发〔2024〕7号,,\r\n"
          "joint.txt,out/joint.pdf,lianhe,关于联合检查的通知,各县区,,,,\r\n"
          "minutes.docx,out/minutes.docx,jiyao,第一次常务会议纪要,各部门,,,,\"王五\"\r\n"
          "\r\n"
          "minutes.docx,out/minutes.pdf,jiyao,第一次常务会议纪要,各部门,,,,王五\r\n");
    m_batch = convert({"--manifest", "batch.csv", "--jobs", "2", "--written", "2024-05-06"});
    QVERIFY2(m_batch.status == 0, qPrintable(m_batch.out + m_batch.err));
    QVERIFY2(m_batch.out.contains("共 11 个文档：11 个转换成功"), qPrintable(m_batch.out));
}

void TestQuorvexConvert::everyKind_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("found"); // texts in a PDF, shapes in a .docx or .odt
    const QString header = "WJBT BTBX GWXH bj_gw";
    // Word files lose the names of the letter's two-stroke rules; the
    // office's own format keeps them. <y> is the current year.
    for (QString row :
         QStringList {"notice.docx|示政发〔2024〕12号|" + header,
                      "notice.pdf|示政发〔2024〕13号|示例市人民政府文件 关于安全生产的通知 "
                      "各区县人民政府： 2024年5月6日",
                      "request.docx|〔<y>〕1号|" + header,
                      "request.pdf|〔<y>〕2号|签发人：张三 关于拨付经费的请示",
                      "letter.docx|〔<y>〕1号|WJBT hanWenHao GWXH",
                      "letter.odt|〔<y>〕3号|WJBT BTBX secBTBX hanWenHao GWXH",
                      "letter.pdf|〔<y>〕2号|示例市人民政府 关于商请支持的函",
                      "joint.docx|示联发〔2024〕7号|" + header,
                      "joint.pdf|示联发〔2024〕8号|示例市人民政府 示例市财政局 各单位要高度重视",
                      "minutes.docx|（<y>）第1期|WJBT jyBX GWXH bj_gw",
                      "minutes.pdf|（<y>）第2期|示例市人民政府会议纪要 出席：王五 分送：各部门"}) {
        const QStringList f = row.replace("<y>", m_year).split('|');
        QTest::newRow(qPrintable(f[0])) << f[0] << f[1] << f[2].split(' ');
    }
}

// Each kind's output carries its number, in batch order; a PDF its texts, a
// document the header's and imprint's shapes and the element record.
void TestQuorvexConvert::everyKind()
{
    QFETCH(QString, output);
    QFETCH(QString, number);
    QFETCH(QStringList, found);
    QVERIFY2(m_batch.out.contains(QRegularExpression("→ out/" + QRegularExpression::escape(output)
                                                     + "  " + QRegularExpression::escape(number))),
             qPrintable(m_batch.out));
    if (output.endsWith(".pdf")) {
        const QString pages = pdfText(path("out/" + output));
        for (const QString &expected : found + QStringList {number})
            QVERIFY2(pages.contains(expected), qPrintable(expected + " not in " + pages.left(400)));
        return;
    }
    QVERIFY(libreoffice::openDocument(m_office.officeApplication(), path("out/" + output)));
    const ApplicationPtr app = m_office.application();
    QStringList names;
    for (long i = 1, n = app->activeDocument()->shapes()->count(); i <= n; ++i)
        names << app->activeDocument()->shapes()->item(i)->name();
    QStringList stored;
    for (const DocumentElement &e : {Element::WenHao, Element::BiaoTi, Element::QianFa})
        stored << assembly::readElement(app, e.id, e.key());
    app->activeDocument()->close(Variant(false));
    for (const QString &shape : found)
        QVERIFY2(names.contains(shape), qPrintable(names.join(",")));
    QCOMPARE(stored[0], number);
    QVERIFY(!stored[1].isEmpty());
    QCOMPARE(stored[2], output.startsWith("request") ? QString("张三") : QString());
}

// A converted document converted again keeps its own number, as confirming
// the dialog unchanged does: the counter stays, the stored title comes back.
void TestQuorvexConvert::convertedAgainKeepsItsNumber()
{
    const int before = counter();
    const Run run = convert({"--kind", "xiaxing", "out/notice.docx", "-o", "again/notice.pdf"});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains("示政发〔2024〕12号"), qPrintable(run.out));
    QCOMPARE(counter(), before);
    QCOMPARE(pdfText(path("again/notice.pdf")).count("关于安全生产的通知"), 1);
}

void TestQuorvexConvert::badInputs_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("good") << QStringLiteral("完成  good.txt → bad/good.pdf");
    QTest::newRow("missing") << QStringLiteral("失败  missing.docx：找不到输入文件");
    QTest::newRow("folder") << QStringLiteral("失败  folder.docx：无法读取输入文件");
    QTest::newRow("not a document") << QStringLiteral("失败  garbage.docx：不是可以打开的文档");
    QTest::newRow("no text") << QStringLiteral("失败  binary.txt：不是可以打开的文档");
    QTest::newRow("password") << QStringLiteral("失败  protected.odt：文档有密码保护");
    QTest::newRow("output exists") << QStringLiteral("失败  kept.txt：输出文件已存在");
}

// Bad inputs are named with their reason, the good one converts, the run
// fails; no input is changed and no temporary file is left.
void TestQuorvexConvert::badInputs()
{
    QFETCH(QString, line);
    if (m_bad.status < 0) {
        QVERIFY(QDir().mkpath(path("folder.docx")) && QDir().mkpath(path("bad")));
        QFile::copy(QVX_TEST_DATA "/protected.odt", path("protected.odt"));
        const QList<QPair<QString, QByteArray>> files {{"good.txt", "通知正文。\n"},
                                                       {"kept.txt", "通知正文。\n"},
                                                       {"bad/kept.pdf", "kept"},
                                                       {"garbage.docx", QByteArray(3000, '\x7f')},
                                                       {"binary.txt", QByteArray("a\0b", 3)}};
        for (const auto &[name, bytes] : files)
            write(name, bytes);
        m_bad = convert({"--kind", "xiaxing", "--format", "pdf", "-o", "bad", "good.txt",
                         "missing.docx", "folder.docx", "garbage.docx", "binary.txt",
                         "protected.odt", "kept.txt"});
        QCOMPARE(m_bad.status, 1);
        QCOMPARE(QDir(path("bad")).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"good.pdf", "kept.pdf"}));
        QFile kept(path("bad/kept.pdf"));
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == "kept");
        QFile good(path("good.txt"));
        QVERIFY(good.open(QIODevice::ReadOnly) && good.readAll() == "通知正文。\n");
        // One failure alone fails the run too.
        QCOMPARE(convert({"--kind", "xiaxing", "--format", "pdf", "-o", "bad", "kept.txt"}).status,
                 1);
    }
    QVERIFY2(m_bad.out.contains(line), qPrintable(m_bad.out));
}

// Two runs side by side on one template get distinct, consecutive numbers.
// They wait while another program (here the test, as QSettings would) holds
// the template file, and then race for it the moment it is free.
void TestQuorvexConvert::concurrentRunsTakeDistinctNumbers()
{
    const int before = counter();
    QStringList inputs;
    for (int i = 1; i <= 3; ++i) {
        inputs << QString("c%1.txt").arg(i);
        write(inputs.last(), "正文。\n");
    }
    auto lock = std::make_unique<QLockFile>(path("settings/xiaxing.ini.lock"));
    QVERIFY(lock->tryLock());
    QProcess *first = start(QStringList {"--kind", "xiaxing", "-o", "c1"} + inputs);
    QProcess *second = start(QStringList {"--kind", "xiaxing", "-o", "c2"} + inputs);
    QTest::qWait(6000);
    QCOMPARE(counter(), before);
    QCOMPARE(first->state(), QProcess::Running);
    lock.reset();
    const QString out = finish(first).out + finish(second).out;
    QSet<int> numbers;
    QRegularExpressionMatchIterator it
        = QRegularExpression("示政发〔2024〕(\\d+)号").globalMatch(out);
    while (it.hasNext())
        numbers.insert(it.next().captured(1).toInt());
    QCOMPARE(numbers.size(), 6);
    for (int n = before + 1; n <= before + 6; ++n)
        QVERIFY2(numbers.contains(n), qPrintable(out));
    QCOMPARE(counter(), before + 6);
}

void TestQuorvexConvert::refusedBeforeAnyWork_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");
    QTest::newRow("unwritable folder")
        << QStringLiteral("/proc/quorvex/") << QStringLiteral("输出文件夹“/proc/quorvex”无法写入");
    QTest::newRow("format not written")
        << QStringLiteral("unwritten.rtf") << QStringLiteral("不支持输出“.rtf”文件");
}

// An output that cannot be written stops the batch before any number is
// taken, and no folder is made in its place.
void TestQuorvexConvert::refusedBeforeAnyWork()
{
    QFETCH(QString, output);
    QFETCH(QString, message);
    const int before = counter();
    write("unwritten.txt", "正文。\n");
    const Run run = convert({"--kind", "xiaxing", "unwritten.txt", "-o", output});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(counter(), before);
    QVERIFY(!QFileInfo::exists(path(output)));
}

QTEST_GUILESS_MAIN(TestQuorvexConvert)
#include "tst_quorvexconvert.moc"
