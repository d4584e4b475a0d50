#pragma once
// The data-aware edit: a line edit that shows and edits one field of its data source's current
// record. Unfocused it shows the field's display text (numbers right-aligned); focused, its edit
// text (left-aligned). The first key that would change the text asks the data source to edit;
// characters the field's kind refuses are dropped with a beep. Typed text is written to the
// field when the edit is left for another control of the screen, or when the data set settles
// or posts the record; a failed write while leaving keeps the text and takes the focus back.
// Esc restores the field's text. With the data set closed the edit is empty and read-only.
//
//   auto* edit = new DBEdit(scrollContent);
//   edit->setDataSource(dataSource1);
//   edit->setDataField("Nome");

#include <QLineEdit>
#include <QPointer>
#include <exception>

#include "data_link.h"
#include "data_source.h"

class DataSet;
class Field;

class DBEdit : public QLineEdit, public DataLink {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);
    ~DBEdit() override;

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return source_; }
    void setDataField(const QString& fieldName);
    const QString& dataField() const { return fieldName_; }

    // The shown field of the current record; nullptr while the data set is closed.
    Field* field() const;
    // Whether the edit holds typed text not yet written to the field.
    bool textModified() const { return modified_; }

    void activeChanged() override;
    void dataSetChanged() override;
    void dataSetScrolled() override;
    void recordChanged(Field* field) override;
    void editingChanged() override;
    void updateData() override;
    bool focusField(Field* field) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    DataSet* dataSet() const;
    bool canModify() const;
    bool startEditing();      // false when the record cannot enter editing
    bool refuses(const QString& typed) const;
    void textChangedByUser();
    void showFieldText();     // the field's text for the current focus; drops typed text
    void writeText();         // typed text to the field; throws the conversion message
    void leave();
    void takeFocusBackAfter(std::exception_ptr failure);

    QPointer<DataSource> source_;
    QString fieldName_;
    bool focused_ = false;   // the screen's focus is here (not lost to another window)
    bool modified_ = false;
    bool keepText_ = false;  // entering editing keeps the text just changed
};
