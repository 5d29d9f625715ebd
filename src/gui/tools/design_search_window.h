// The Design search window (View menu): the case in the forms searched for
// the exchangers that reach its outlet target within the limits. The limits
// and the checked values of each standard list are entered here; Run
// searches on a worker thread with a progress bar and Cancel; the ranked
// designs fill a table, the Pareto set two charts with the chosen design
// marked, and "Open as case" puts the chosen design into the forms.
#pragma once

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "model/session.h"
#include "program/batch/design_search.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
class QTreeWidget;

class QChartView;

namespace hx::gui {

class DesignSearchWindow : public QWidget {
public:
    // `openCase` puts a design's case into the forms (true when it did).
    DesignSearchWindow(Session& session,
                       std::function<bool(const CaseValues&, const std::string&)> openCase,
                       QWidget* parent = nullptr);
    ~DesignSearchWindow() override;

    // Reads the case from the forms again (its basis decides the space) and
    // shows the window.
    void showForCase();

    // For tests and scripts: runs the search to its end without the worker.
    void runAndWait();

private:
    void buildControls();
    void fillSpace(bool textbook);
    std::optional<DesignProblem> prepare();
    void run();
    void cancel();
    void poll();
    void finish();
    void showResult();
    void chooseRow();
    void openChosen();
    void drawCharts();
    bool japanese() const;
    Presentation presentation() const;

    Session& session_;
    std::function<bool(const CaseValues&, const std::string&)> openCase_;
    CaseValues values_;

    QLabel* target_;
    QLineEdit* maxDPt_;
    QLineEdit* maxDPs_;
    QLineEdit* minUt_;
    QLineEdit* maxUt_;
    QLineEdit* minUs_;
    QLineEdit* maxUs_;
    QLineEdit* minF_;
    QLineEdit* minLD_;
    QLineEdit* maxLD_;
    QComboBox* objective_;
    QSpinBox* top_;
    QTreeWidget* space_;
    QPushButton* run_;
    QPushButton* cancel_;
    QPushButton* open_;
    QProgressBar* progress_;
    QLabel* status_;
    QTableWidget* table_;
    QChartView* tubeChart_;
    QChartView* shellChart_;
    QTimer* timer_;

    std::unique_ptr<DesignProblem> problem_;
    std::optional<DesignSearchResult> result_;
    std::thread worker_;
    std::atomic<std::size_t> done_{0};
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
    DesignSearchResult pending_;
    std::string failure_;
};

}  // namespace hx::gui
