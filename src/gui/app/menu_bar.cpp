#include "gui/app/menu_bar.h"

#include <QKeySequence>

#include "gui/forms/form_window.h"

namespace hx::gui {

namespace {

struct MenuText {
    const char* english;
    const char* japanese;
};

enum TextId {
    kFile,
    kQuit,
    kView,
    kTextWindow,
    kDesignSearch,
    kCalculation,
    kParameterStudy,
    kTemperatureProfile,
    kLarger,
    kSmaller,
    kDefaultSize,
    kHelp,
    kQuickStart,
    kWaterTable,
    kAbout
};

constexpr MenuText kTexts[] = {
    {"&File", "ファイル(&F)"},
    {"&Quit", "終了(&Q)"},
    {"&View", "表示(&V)"},
    {"&Text window", "テキスト画面(&T)"},
    {"Desi&gn search…", "設計探索(&G)…"},
    {"&Calculation", "計算過程(&C)"},
    {"&Parameter study…", "パラメータスタディ(&P)…"},
    {"Temperature p&rofile…", "温度分布(&R)…"},
    {"&Larger text", "文字を大きく(&L)"},
    {"&Smaller text", "文字を小さく(&S)"},
    {"&Default text size", "標準の文字サイズ(&D)"},
    {"&Help", "ヘルプ(&H)"},
    {"&Quick start", "入力の手順(&Q)"},
    {"&Water properties and accuracy", "水の物性値と精度(&W)"},
    {"&About hxcalc", "hxcalc について(&A)"},
};

}  // namespace

MenuBar::MenuBar(const MenuCommands& commands, FormStore& forms)
    : forms_(forms), bar_(new QMenuBar) {
    auto menu = [&](TextId id) {
        QMenu* m = bar_->addMenu(QString());
        texts_.emplace_back(m, id);
        return m;
    };
    auto action = [&](QMenu* m, TextId id, const std::function<void()>& run,
                      const QKeySequence& keys = {}) {
        QAction* a = m->addAction(QString());
        texts_.emplace_back(a, id);
        if (!keys.isEmpty()) {
            a->setShortcut(keys);
            a->setShortcutContext(Qt::ApplicationShortcut);  // also from the text window
        }
        QObject::connect(a, &QAction::triggered, bar_, [run] {
            if (run) run();
        });
        return a;
    };

    file_ = menu(kFile);
    quit_ = action(file_, kQuit, commands.quit, QKeySequence::Quit);

    QMenu* view = menu(kView);
    action(view, kTextWindow, commands.showTextWindow);
    action(view, kDesignSearch, commands.designSearch);
    action(view, kCalculation, commands.showCalculation,
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    action(view, kParameterStudy, commands.parameterStudy);
    action(view, kTemperatureProfile, commands.temperatureProfile);
    view->addSeparator();
    const auto fontStep = [font = commands.changeFont](int steps) {
        return [font, steps] {
            if (font) font(steps);
        };
    };
    action(view, kLarger, fontStep(+1), QKeySequence::ZoomIn);
    action(view, kSmaller, fontStep(-1), QKeySequence::ZoomOut);
    action(view, kDefaultSize, commands.resetFont, QKeySequence(Qt::CTRL | Qt::Key_0));

    help_ = menu(kHelp);
    action(help_, kQuickStart, commands.quickStart, QKeySequence::HelpContents);
    action(help_, kWaterTable, commands.waterTable);
    help_->addSeparator();
    action(help_, kAbout, commands.about);

    setJapanese(japanesePresentation(forms_));
    subscription_ = forms_.subscribe([this](const FormChange& change) {
        if (change.form == "MAINFORM" && change.control == "EDIT74")
            setJapanese(japanesePresentation(forms_));
    });
}

MenuBar::~MenuBar() { forms_.unsubscribe(subscription_); }

void MenuBar::setJapanese(bool japanese) {
    for (const auto& [object, id] : texts_) {
        const MenuText& t = kTexts[id];
        const QString text = QString::fromUtf8(japanese ? t.japanese : t.english);
        if (auto* m = qobject_cast<QMenu*>(object))
            m->setTitle(text);
        else if (auto* a = qobject_cast<QAction*>(object))
            a->setText(text);
    }
}

}  // namespace hx::gui
