#pragma once

#include "core/editor/configuration_tree.h"
#include "core/editor/editor_request.h"
#include "core/model/function_code.h"
#include "core/model/project.h"
#include "core/resources/message_id.h"
#include "core/serial/code_tables.h"

#include <array>
#include <optional>
#include <span>
#include <string>

namespace brenmoor {

// Every page of the property grid as one table of rows. A row names its
// label and help text, the store field its value cell shows, how the cell
// is painted, which editor a click opens and what committing it does.
// Painting a page, opening an editor, committing it, the row's help and the
// comparison's names all read these tables; a row number appears nowhere
// else.

// What a page is about: the project, its subnet, and the node or command
// of a node or command page.
struct PageSubject {
    Project& project;
    CONFIG& subnet;
    NODE* node = nullptr;
    INSTRUCTION* command = nullptr;
    bool pulseRowEnabled = false;

    const FunctionCodeRecord* code() const {
        return command ? functionCodeRecord(*command) : nullptr;
    }
    bool dataFilter() const { return project.device.dataFilter; }
};

// The store text behind a cell: a field of the fieldbus, of the subnet's
// groups, of the node or of the command.
struct FieldRef {
    std::string FIELDBUS::*fieldbus = nullptr;
    std::string& (*subnet)(CONFIG&) = nullptr;
    std::string NODE::*node = nullptr;
    std::string INSTRUCTION::*command = nullptr;

    bool empty() const { return !fieldbus && !subnet && !node && !command; }
    // A subnet field read through the same accessor, which never changes it.
    const std::string& of(const CONFIG& c) const { return subnet(const_cast<CONFIG&>(c)); }
    // The text in `s`; null when the page has no such record (a node page
    // whose node is gone).
    std::string* in(PageSubject& s) const;
};

// A label or help text that a device flag replaces.
struct FlagText {
    MessageId text{};
    bool DeviceSettings::*flag = nullptr;
    MessageId underFlag{};

    MessageId pick(const DeviceSettings& device) const {
        return flag && device.*flag ? underFlag : text;
    }
};

// How a value cell shows its field.
enum class Form {
    AsStored,
    BlankIfNotSet,  // "-1" is an empty cell
    MapAddress,     // with the "H" of a hexadecimal address
    ByteCount,      // a single coil or register always shows its 1 or 2 bytes
    FixedSwap,      // commands without a byte order show the no-swap text
    OtherInterface, // the interface the communication interface leaves
};

using Condition = bool (*)(const PageSubject&);

enum class Colour { Default, Grey, White };

// `colour`, or `otherwise` while `when` does not hold.
struct Paint {
    Colour colour = Colour::Default;
    Condition when = nullptr;
    Colour otherwise = Colour::Default;

    Colour of(const PageSubject& s) const { return !when || when(s) ? colour : otherwise; }
};

// How a committed value is checked and stored.
enum class Rule {
    None,         // an edit box whose text only reaches the cell; a list that stores nothing
    Store,        // a list: the choice is stored as it is
    BufferSize,   // a list: refused when the input and output sizes would reach 240 bytes
    Decimal,      // a canonical decimal from low to high; otherwise the old value comes back
    InRange,      // its leading number from low to high, stored as typed; otherwise emptied
    NodeAddress,  // the node's slave address, with its notices and the node's new name
    StartAddress, // the command's starting address, with the PLC address question
    DataCount,    // the number of data, and the byte count that follows from it
    MapAddress,   // a hexadecimal mapping address inside the command's area
};

// Rule::Decimal: a canonical decimal within [low, high] is stored in
// `field`; anything else brings the stored text back into `editText`.
void acceptDecimal(std::string& editText, std::string& field, int low, int high);

// What else a stored value changes on the page, in row `alsoRow`.
enum class Also {
    Nothing,
    PulseRow,       // the pulse time's row becomes editable for pulse output only
    OtherInterface, // the row shows the interface the new one leaves
    ByteCount,      // the row shows the byte count worked out again
};

struct CellEditor {
    EditorRequest::Kind kind = EditorRequest::Kind::None;
    std::span<const CodeText> choices = {}; // a list's entries, in this order
    // The entries instead under the data-filter flag, where it renames them.
    std::span<const CodeText> choicesUnderDataFilter = {};
    Condition editable = nullptr; // null: whenever the page shows the row
    Rule rule = Rule::None;
    FieldRef target = {}; // where a commit stores; empty: the cell's own field
    int low = 0;
    int high = 0;
    Also also = Also::Nothing;
    int alsoRow = -1;
};

struct ValueCell {
    FieldRef field = {}; // empty: the cell is written empty
    Form form = Form::AsStored;
    Paint paint = {};
    CellEditor editor = {};
    // A field of the protocol mode's own parameter group, as the comparison
    // lists them; `fieldName` names it where the row's label is another's.
    bool groupField = false;
    MessageId fieldName{};
};

struct PageRow {
    int row;
    FlagText label;
    FlagText help;
    ValueCell cell;
};

// The subnet page: labels and help are those of every protocol mode, the
// value cells follow the subnet's mode.
inline constexpr int kSubnetModes = 5; // Master, Slave, Custom, Common, and a text of none of them

struct SubnetRow {
    int row;
    MessageId label{};
    FlagText help;
    std::array<ValueCell, kSubnetModes> byMode;
};

// Rows of the fieldbus, node and command pages, in row order.
std::span<const PageRow> pageRows(ItemKind page);
std::span<const SubnetRow> subnetRows();
// Which column of SubnetRow::byMode a protocol mode uses, and the mode of
// each column but the last (the texts of no known mode).
size_t subnetModeIndex(const std::string& protocolMode);
std::string_view subnetModeText(size_t index);

// The value cell of a page's row for `s`; null for a row the page lacks.
const ValueCell* pageCell(ItemKind page, int row, const PageSubject& s);
// The help text id of a page's row; nothing for a row without one.
std::optional<MessageId> pageRowHelpId(ItemKind page, int row, const DeviceSettings& device);

// The text a cell shows for its field in `s`.
std::string shownCellText(const ValueCell& cell, PageSubject& s);
// The entries a cell's list offers in `s`.
std::span<const CodeText> offeredChoices(const CellEditor& editor, const PageSubject& s);

} // namespace brenmoor
