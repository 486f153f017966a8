// TForm1's test catalogue: class → subclass → test, read with one recordset per
// level and each level inserted at the top, so it lists in reverse read order.
#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "app/SplashForm.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "runner/core/Catalogue.h"
#include "winutil/WideText.h"

namespace zuno::app {

using namespace forms;

void TForm1::ShowLoadingProgress(const std::string& title) {
    if (flash && flash->ProgressDue()) flash->SetProgress(Widen(runner::LoadingCaption(title)));
}

void TForm1::BuildTestCatalogue(content::Recordset& classes, content::Recordset& subclasses,
                                content::Recordset& tests) {
    content::OpenTestClasses(classes, adoconn);
    while (!classes.Eof() && !classes.Bof()) {
        auto* classItem = new TMenuItem(questionmenu);
        classItem->SetCaption(Widen(classes.Fields("Class").AsText()));
        questionmenu->Insert(0, classItem);
        content::OpenTestSubclasses(subclasses, adoconn, classes.Fields("Class").AsText());
        while (!subclasses.Eof() && !subclasses.Bof()) {
            const std::string typeName = subclasses.Fields("TypeName").AsText();
            auto* subItem = new TMenuItem(classItem);
            subItem->SetCaption(Widen(subclasses.Fields("SubClass").AsText()));
            classItem->Insert(0, subItem);
            // Native entries for thousands of items wait until the submenu opens.
            subItem->DeferSubmenu();
            content::OpenTestsOfKind(tests, adoconn, typeName);
            while (!tests.Eof() && !tests.Bof()) {
                const int recId = tests.Fields("RecId").AsInteger();
                const int score = tests.Fields("score").AsInteger();
                const int count = tests.Fields("count").AsInteger();
                const std::string title = tests.Fields("bigquestion").AsText();
                auto* item = new TMenuItem(classItem);
                ShowLoadingProgress(title);
                item->SetCaption(Widen(runner::TestItemCaption(title, score, count, recId, LibThreshold)));
                item->Name = Widen(tests.Fields("id").AsText());
                item->OnClick = [this](TMenuItem* chosen) { sqmenuclick(chosen); };
                subItem->Insert(0, item);
                tests.MoveNext();
            }
            tests.Close();
            subclasses.MoveNext();
        }
        subclasses.Close();
        classes.MoveNext();
    }
    classes.Close();
}

}  // namespace zuno::app
