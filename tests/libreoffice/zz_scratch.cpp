#include "assembly/imprint.h"
#include "automation/automation.h"
#include "sharedoffice.h"
#include <QtTest>
using namespace automation;
class Scratch : public QObject { Q_OBJECT
private slots:
  void run() {
    SharedOffice office; ApplicationPtr app = office.application(); QVERIFY(app);
    DocumentPtr doc = app->documents()->add();
    doc->content()->setText("\n\n\n\n\n正文");
    ShapePtr box = doc->shapes()->addShape(1, 100, 100, 400, 50, Variant(doc->paragraphs()->item(1)->range()));
    TablePtr table = doc->tables()->add(box->textFrame()->textRange(), 2, 1, Variant(0), Variant(0));
    RangePtr all = table->range();
    qDebug() << "table range" << all->start() << all->end() << all->text();
    all->paragraphFormat()->setCharacterUnitLeftIndent(4);
    all->paragraphFormat()->setCharacterUnitFirstLineIndent(-3);
    auto show = [&](const char *what) {
      for (int r = 1; r <= 2; ++r) { RangePtr c = table->cell(r,1)->range(); ParagraphFormatPtr f = c->paragraphFormat();
        qDebug() << what << r << c->start() << c->end() << f->characterUnitLeftIndent() << f->characterUnitFirstLineIndent() << f->leftIndent() << f->alignment(); }
    };
    show("after table format");
    table->cell(2,1)->range()->setText("某某  2024");
    show("after text");
    table->cell(2,1)->range()->paragraphFormat()->setAlignment(4);
    show("after align");
    doc->close(Variant(false));
  }
};
QTEST_MAIN(Scratch)
#include "zz_scratch.moc"
