#include "conversiontest.h"

#include "assembly/conversion.h"
#include "automation/automation.h"

#include <QtTest>

using namespace automation;

namespace {

const QStringList kBody {
    QStringLiteral(
        "为切实做好今冬明春安全生产工作，坚决防范遏制重特大事故，现就有关事项通知如下。"),
    QStringLiteral("一、压实工作责任"),
    QStringLiteral("各地区各部门要坚持人民至上、生命至上，统筹发展和安全，层层压实责任。"),
    QStringLiteral("二、强化隐患排查"),
    QStringLiteral("各单位每月组织一次隐患排查，建立问题清单，明确整改时限和责任人。"),
    QStringLiteral("特此通知。")};

// The dialogs' twenty strings; `f`: kind, level, period, urgency, number,
// title, recipient, signature unit (LK), signer.
assembly::ElementList elements(const QStringList &f)
{
    return assembly::ElementList::fromStrings(
        f.mid(0, 1) + QStringList {QStringLiteral("模板")} + f.mid(1, 6)
        + QStringLiteral("市委办公室||2024年5月6日|2024年5月8日|主动公开||某某市人民政府办公室")
              .split('|')
        + f.mid(7, 2) + QStringLiteral("张三、李四||王五").split('|'));
}

} // namespace

QStringList ConversionTest::shapeNames() const
{
    QStringList names;
    const ShapesPtr shapes = m_doc->shapes();
    for (long i = 1; i <= shapes->count(); ++i)
        names.append(shapes->item(i)->name());
    names.sort();
    return names;
}

void ConversionTest::convertTwice_data()
{
    // Two conversions as elements() takes them; the second head's lines in
    // order; a line of the second signature.
    for (const char *column : {"first", "second", "head", "signature"})
        QTest::addColumn<QString>(column);

    const QString notice = QStringLiteral("关于做好今冬明春安全生产工作的通知");
    const QString unit = QStringLiteral("某某市人民政府");
    QTest::newRow("down-going: level with period, urgency as entered")
        << "xiaxing.ini;秘密;1年;特急;某政发〔2024〕3号;关于安全生产的通知;各区县人民政府;" + unit
            + ";"
        << "xiaxing.ini;秘密;1年;特急;某政发〔2024〕4号;" + notice + ";各区县人民政府;" + unit + ";"
        << "秘密★1年;特急;某政发〔2024〕4号;" + notice + ";各区县人民政府：" << unit;
    QTest::newRow("up-going: level alone, both spaced")
        << "shangxing.ini;机密;;加急;某政〔2024〕5号;关于请求拨付资金的请示;省人民政府;" + unit
            + ";张三"
        << "shangxing.ini;机密;;加急;某政〔2024〕6号;关于请求拨付专项资金的请示;省人民政府;" + unit
            + ";李四"
        << "机  密;加  急;关于请求拨付专项资金的请示;省人民政府：" << unit;
    QTest::newRow("letter: no level, urgency spaced")
        << "xinhan.ini;;1年;;某政函〔2024〕7号;关于商请协助的函;市财政局;" + unit + ";"
        << "xinhan.ini;;长期;加急;某政函〔2024〕8号;关于商请协助调查的函;市财政局;" + unit + ";"
        << "加  急;关于商请协助调查的函;市财政局：" << unit;
    QTest::newRow("joint: placeholders, signature from the settings")
        << "lianhe.ini;机密;长期;加急;某政发〔2024〕9号;关于联合开展检查的通知;各区县;;"
        << "lianhe.ini;机密;长期;加急;某政发〔2024〕10号;;;;"
        << "机密★长期;加急;某政发〔2024〕10号;[此处输入标题];[此处输入主送单位]："
        << QStringLiteral("发文机关一");
    QTest::newRow("minutes: no recipient line, attendance instead of a signature")
        << "jiyao.ini;;;;（2024）第3期;第一次常务会议纪要;各部门;" + unit + ";"
        << "jiyao.ini;;;;（2024）第4期;第二次常务会议纪要;各部门;" + unit + ";"
        << "（2024）第4期;第二次常务会议纪要" << QStringLiteral("出席：张三、李四");
}

void ConversionTest::convertTwice()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, head);
    QFETCH(QString, signature);
    QVERIFY(setBody(kBody));
    assembly::ConversionSettings settings;
    settings.organName = QStringLiteral("某某市人民政府");
    settings.header.markText = QStringLiteral("某某市人民政府文件");
    settings.headerFound = true;

    const assembly::ElementList firstElements = elements(first.split(QLatin1Char(';')));
    QCOMPARE(assembly::convertDocument(m_app, firstElements, settings).status,
             assembly::ConversionOutcome::Status::Done);
    const QStringList afterFirst = shapeNames();
    const assembly::ElementList secondElements = elements(second.split(QLatin1Char(';')));
    const assembly::ConversionOutcome outcome
        = assembly::convertDocument(m_app, secondElements, settings);
    QCOMPARE(outcome.status, assembly::ConversionOutcome::Status::Done);
    QVERIFY(outcome.headerDrawn);

    // One header and one imprint: the same shapes as after the first run.
    QCOMPARE(shapeNames(), afterFirst);
    QVERIFY(afterFirst.contains(QStringLiteral("WJBT")) && afterFirst.contains("bj_gw"));

    // One head, the second one, ahead of the body; the body once, as typed.
    QStringList paragraphs = bodyParagraphs();
    for (QString &text : paragraphs)
        text = text.trimmed();
    int at = 0;
    for (const QString &line : head.split(QLatin1Char(';'))) {
        const int found = paragraphs.indexOf(line, at);
        QVERIFY2(found >= 0, qPrintable(line + " in " + paragraphs.join('|')));
        at = found + 1;
    }
    QVERIFY(!paragraphs.contains(firstElements.title)
            || firstElements.title == secondElements.title);
    QCOMPARE(paragraphs.count(secondElements.headTitle()),
             secondElements.kind == "jiyao.ini" && secondElements.title.isEmpty() ? 0 : 1);
    for (const QString &text : kBody) {
        QCOMPARE(paragraphs.count(text), 1);
        QVERIFY2(paragraphs.indexOf(text) >= at, qPrintable(text));
    }
    // One signature: its line once.
    QCOMPARE(paragraphs.filter(signature).size(), 1);
}
