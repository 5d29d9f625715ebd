// The parameter study window: the case in the forms solved over one varied
// input (and optionally a second, one curve per value), on a worker
// thread with a progress bar and Cancel; the chosen quantities drawn
// against the first input with the flow regime shaded and the cases that
// ended marked and listed; a table of the same rows; export to CSV, PNG
// and SVG; and "Open as case" to put a row's inputs into the forms.
#pragma once

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "charts/chart_data.h"
#include "model/session.h"
#include "program/batch/batch_run.h"
#include "program/session/case_file.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;
class QVBoxLayout;

namespace hx::gui {

class StudyTableModel;

class StudyWindow : public QWidget {
public:
    // `openCase` puts a case into the forms (false when it cannot now).
    StudyWindow(Session& session, std::function<bool(const CaseValues&)> openCase,
                QWidget* parent = nullptr);
    ~StudyWindow() override;

    // Takes the case in the forms as the study's base and fills the input
    // choices with its numbers; false (with the message shown) when the
    // forms do not hold a complete case.
    bool takeCaseFromForms();

    // The choices, as the controls hold them (tests and scripts set these).
    void setFirstInput(const QString& key, const QString& values);
    void setSecondInput(const QString& key, const QString& values);  // empty key: none
    void setQuantities(const QStringList& names);

    // Starts the study; false (with the message shown) for a bad choice.
    bool run();
    // Stops the worker at the next case and waits for it; the rows done so
    // far are kept and drawn.
    void cancel();
    bool running() const { return worker_.joinable(); }

    // What the last study drew: one chart a panel, and its rows.
    const std::vector<charts::ChartData>& charts() const { return charts_; }
    const std::vector<SweepRow>& rows() const { return rows_; }
    int chartViewCount() const;

    // Exports of the last study.
    bool exportCsv(const QString& path);
    bool exportPicture(const QString& path);  // .png or .svg
    // The inputs of table row `row` in the forms.
    bool openRow(int row);

private:
    void buildControls();
    void retitle();
    // A range around the case's value of the input chosen in `box`.
    void fillDefaultValues(QComboBox* box, QLineEdit* values);
    void poll();
    void finish();
    void draw();
    void fillTable();
    void showMessage(const QString& text);
    bool japanese() const;
    Presentation presentationOfCase() const;
    QString text(int id) const;
    QLabel* caption(int id);  // a label whose text retitle() sets

    Session& session_;
    std::function<bool(const CaseValues&)> openCase_;
    CaseValues base_;
    EnteredCase entered_;
    bool haveCase_ = false;

    QComboBox* firstKey_ = nullptr;
    QLineEdit* firstValues_ = nullptr;
    QCheckBox* secondOn_ = nullptr;
    QComboBox* secondKey_ = nullptr;
    QLineEdit* secondValues_ = nullptr;
    QListWidget* quantities_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QListWidget* ended_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QWidget* chartHolder_ = nullptr;
    QVBoxLayout* chartLayout_ = nullptr;
    QTableView* table_ = nullptr;
    StudyTableModel* model_ = nullptr;
    QTimer* timer_ = nullptr;
    std::vector<std::pair<QLabel*, int>> captions_;

    // The study running or last run.
    std::vector<Variation> variations_;
    std::vector<std::string> chosen_;  // the quantities plotted
    std::vector<SweepRow> rows_;
    std::vector<charts::ChartData> charts_;
    std::thread worker_;
    std::mutex mutex_;                // guards incoming_ while the worker runs
    std::vector<SweepRow> incoming_;  // rows the worker has handed over
    std::atomic<std::size_t> done_{0};
    std::atomic<bool> cancel_{false};  // asks the worker to stop
    std::atomic<bool> finished_{false};
    std::string error_;  // an exception of the worker
    std::size_t total_ = 0;
};

}  // namespace hx::gui
