#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <vector>

#include "boxes/message_boxes.h"
#include "params/param.h"

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QTreeWidget;
class QWidget;

namespace slyders {

class UpDown;

// What the window reads from an integer property's type string: the letter, the range when
// both numbers are there, and the value labels that follow a tilde.
struct EditorType {
    char letter = 0;
    bool hasRange = false;
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    QStringList labels;  // not empty: pick the value from a drop-down list
};
EditorType parseEditorType(const char* type);

// The distance between the ticks of a track bar over minimum .. maximum: a tenth of the
// range, kept to round numbers, at least 1.
int trackBarTickStep(std::int64_t minimum, std::int64_t maximum);

// The hint of a numeric edit field: the help text, then the range as "(integer min÷max)".
QString integerHint(const char* help, std::int64_t minimum, std::int64_t maximum);

// The settings window: groups on the left, the chosen group's properties as labelled editors
// on the right. Edits are collected and written to the object only by Apply or OK, through
// setText, so every value passes the object's range clamping.
class TParamWnd final : public QDialog {
    Q_OBJECT

public:
    TParamWnd(QWidget* owner, ParamInterface& object, const QString& caption, MessageBoxes& boxes);
    ~TParamWnd() override;

    // --- event handlers ---
    void TreeViewChange(int group);
    void EditorChange(int property, const QString& text);
    void ApplyButtonClick();
    void OKButtonClick();

    // The caption as the user reads it (the title bar needs "[*]" escaped).
    const QString& caption() const { return m_caption; }
    int currentGroup() const { return m_group; }

private:
    // One row of the current group: the property, its current text and hint, its controls.
    struct Editor {
        int property = 0;
        QString text;
        QString hint;
        QLineEdit* edit = nullptr;
        QCheckBox* check = nullptr;
        QComboBox* list = nullptr;
        UpDown* upDown = nullptr;
        QSlider* trackBar = nullptr;
    };

    void buildTree();
    void buildButtons();
    void sizeToScreen();
    void buildEditors(int group);
    QWidget* makeEditor(Editor& editor, const EditorType& type, QWidget* parent);
    QWidget* makeNumberEditor(Editor& editor, const EditorType& type, QWidget* parent);
    void linkNumberControls(int property, QLineEdit* edit, UpDown* upDown, QSlider* trackBar);
    void applyChanges();
    void setMarked(int group, bool marked);
    void setCaption(const QString& text);
    QString currentText(int property) const;
    QString boundsLine(int property, const char* line) const;

    ParamInterface& m_object;
    MessageBoxes& m_boxes;
    QString m_givenCaption;
    QString m_caption;
    int m_group = 0;
    bool m_building = false;

    QTreeWidget* m_tree = nullptr;
    QScrollArea* m_scroll = nullptr;
    QHBoxLayout* m_buttonRow = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_apply = nullptr;

    std::vector<Editor> m_editors;
    std::vector<int> m_changed;            // properties in the order of their first change
    std::map<int, QString> m_pendingText;  // edits not yet applied, kept across groups
};

}  // namespace slyders
