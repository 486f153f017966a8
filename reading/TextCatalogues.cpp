// TForm1's article and humour catalogues: class → subclass → text, each level
// inserted at the top; a text item is named after its kind and Id (ArtMenu57).
#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "content/Recordset.h"
#include "content/Statements.h"
#include "runner/core/Catalogue.h"
#include "winutil/WideText.h"

namespace zuno::app {

using namespace forms;

namespace {

struct TextCatalogue {
    void (*openClasses)(content::Recordset&, const content::Connection&);
    void (*openSubclasses)(content::Recordset&, const content::Connection&, std::string_view);
    void (*openTexts)(content::Recordset&, const content::Connection&, std::string_view);
    const wchar_t* namePrefix;
};

constexpr TextCatalogue kArticles{content::OpenArticleClasses, content::OpenArticleSubclasses,
                                  content::OpenArticlesOfKind, L"ArtMenu"};
constexpr TextCatalogue kHumor{content::OpenHumorClasses, content::OpenHumorSubclasses,
                               content::OpenHumorTextsOfKind, L"HumorMenu"};

}  // namespace

void TForm1::BuildTextCatalogue(bool humor, content::Recordset& classes, content::Recordset& subclasses,
                                content::Recordset& texts) {
    const TextCatalogue& cat = humor ? kHumor : kArticles;
    TMenuItem* root = humor ? PsyHumorMenu : PsyArtMenu;
    const int threshold = humor ? HumorThreshold : ArtThreshold;
    cat.openClasses(classes, adoconn);
    while (!classes.Eof() && !classes.Bof()) {
        auto* classItem = new TMenuItem(root);
        classItem->SetCaption(Widen(classes.Fields("Class").AsText()));
        root->Insert(0, classItem);
        cat.openSubclasses(subclasses, adoconn, classes.Fields("Class").AsText());
        while (!subclasses.Eof() && !subclasses.Bof()) {
            const std::string typeName = subclasses.Fields("TypeName").AsText();
            auto* subItem = new TMenuItem(classItem);
            subItem->SetCaption(Widen(subclasses.Fields("SubClass").AsText()));
            classItem->Insert(0, subItem);
            // Native entries for thousands of items wait until the submenu opens.
            subItem->DeferSubmenu();
            cat.openTexts(texts, adoconn, typeName);
            while (!texts.Eof() && !texts.Bof()) {
                const int id = texts.Fields("Id").AsInteger();
                const std::string name = texts.Fields("Name").AsText();
                auto* item = new TMenuItem(classItem);
                ShowLoadingProgress(name);
                item->SetCaption(Widen(runner::TextItemCaption(name, id, threshold)));
                item->Name = cat.namePrefix + std::to_wstring(id);
                item->OnClick = [this, humor](TMenuItem* chosen) {
                    if (humor) HumorMenuClick(chosen);
                    else ArtMenuClick(chosen);
                };
                subItem->Insert(0, item);
                texts.MoveNext();
            }
            texts.Close();
            subclasses.MoveNext();
        }
        subclasses.Close();
        classes.MoveNext();
    }
    classes.Close();
}

}  // namespace zuno::app
