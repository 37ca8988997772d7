#include "editor_fixture.h"

#include "core/model/number_text.h"

namespace brenmoor::test {
namespace {

using Shown = RecordingPrompter::Shown;

TEST(NumberText, CanonicalDecimalIsItsOwnRendering) {
    for (const char* text : {"7", "0", "-1", "65535"})
        EXPECT_TRUE(isCanonicalDecimal(text)) << text;
    for (const char* text : {"07", "+7", " 7", "7a", "", "-0", "7 "})
        EXPECT_FALSE(isCanonicalDecimal(text)) << text;
    EXPECT_EQ(leadingInt("  -12x"), -12);
    EXPECT_EQ(leadingInt("99999999999"), 2147483647);
}

TEST(NumberText, HexReadingAcceptsWhatTheCLibraryDoes) {
    EXPECT_EQ(leadingHex("1a"), 0x1a);
    EXPECT_EQ(leadingHex(" 0x1A"), 0x1a);
    EXPECT_EQ(leadingHex("0xg"), 0);
    EXPECT_EQ(leadingHex("-1"), -1);
    EXPECT_EQ(lowerHex(-1), "ffffffff");
    EXPECT_EQ(lowerHex(0x4000), "4000");
}

TEST_F(EditorTest, DeviceNetAddressRangeAndCanonicalForm) {
    EXPECT_EQ(type(1, "63"), "63");
    EXPECT_EQ(project.store.fieldbus.stationAddress, "63");
    for (const char* bad : {"64", "-1", "07", "", "7x"}) {
        EXPECT_EQ(type(1, bad), "63") << bad;
        EXPECT_EQ(cell(1), "63");
    }
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(EditorTest, EveryCommitSetsTheModifiedMark) {
    type(1, "64"); // rejected, still a commit
    EXPECT_TRUE(project.marks.modified);
    project.marks.modified = false;
    choose(3, "32");
    EXPECT_TRUE(project.marks.modified);
}

TEST_F(EditorTest, SubnetRangesAreInclusive) {
    selectSubnet();
    struct Case {
        int row;
        std::string low, high, below, above;
        std::string MASTERPARAM::*field;
    };
    const Case cases[] = {{7, "5", "60000", "4", "60001", &MASTERPARAM::responseTimeout},
                          {8, "0", "2500", "-1", "2501", &MASTERPARAM::pollDelay},
                          {11, "1", "255", "0", "256", &MASTERPARAM::scanRate}};
    for (const Case& c : cases) {
        EXPECT_EQ(type(c.row, c.low), c.low);
        EXPECT_EQ(type(c.row, c.high), c.high);
        EXPECT_EQ(subnet().master.*c.field, c.high);
        type(c.row, c.below);
        type(c.row, c.above);
        EXPECT_EQ(subnet().master.*c.field, c.high) << "row " << c.row;
    }
}

TEST_F(EditorTest, OutputPulseIsEditableOnlyWithPulseOutput) {
    selectSubnet();
    EXPECT_EQ(click(10).kind, EditorRequest::Kind::None);
    EXPECT_EQ(color(10), kGreyColor);

    subnet().master.outputMode = "Pulse output";
    selectSubnet();
    EXPECT_EQ(color(10), kWhiteColor);
    EXPECT_EQ(type(10, "200"), "200");
    EXPECT_EQ(type(10, "2501"), "200");

    choose(9, "Cycle"); // greys the row and makes it read-only again
    EXPECT_EQ(color(10), kGreyColor);
    EXPECT_FALSE(editor.state().pulseRowEnabled);
    EXPECT_EQ(click(10).kind, EditorRequest::Kind::None);
}

TEST_F(EditorTest, OutputModeListDoesNotOfferPulseOutput) {
    selectSubnet();
    const EditorRequest request = click(9);
    EXPECT_EQ(request.choices, (std::vector<std::string>{"Cycle", "Forbidden", "Change of Value"}));
    EXPECT_EQ(click(1).choices, (std::vector<std::string>{"300", "600", "1200", "2400", "9600",
                                                          "19200", "38400", "57600", "115200"}));
}

TEST_F(EditorTest, CommunicationInterfaceShowsTheOtherAsDebug) {
    selectSubnet();
    choose(12, "RS232");
    EXPECT_EQ(subnet().common.commInterface, "RS232");
    EXPECT_EQ(cell(13), "RS485");
}

TEST_F(EditorTest, ListChoicesStoreIntoTheFieldsOfTheProtocolMode) {
    subnet().protocolMode = "Modbus Slave";
    editor.documentOpened();
    selectSubnet();
    choose(1, "9600");
    choose(6, "ASCII");
    EXPECT_EQ(subnet().slave.slaveBaud, "9600");
    EXPECT_EQ(subnet().slave.slaveTransmission, "ASCII");
    EXPECT_EQ(subnet().master.masterBaud, "19200");
    EXPECT_EQ(type(5, "247"), "247");
    EXPECT_EQ(type(5, "248"), "247");
    EXPECT_EQ(click(7).kind, EditorRequest::Kind::None);
}

TEST_F(EditorTest, BufferPairsReachingTwoHundredFortyAreRefused) {
    choose(4, "96");
    prompter.clear();
    choose(3, "160");
    EXPECT_EQ(project.store.fieldbus.inputSize, "64");
    EXPECT_EQ(cell(3), "64");
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].kind, Shown::Kind::Notice);
    EXPECT_EQ(prompter.shown()[0].text,
              "Corvan-Plus input bytes + output bytes can not be greater than 240 bytes, please "
              "select the appropriate input / output combinations!");
    choose(3, "128"); // 224 bytes
    EXPECT_EQ(project.store.fieldbus.inputSize, "128");
    prompter.clear();
    choose(4, "112");
    EXPECT_EQ(project.store.fieldbus.outputSize, "96");
    EXPECT_EQ(prompter.shown().size(), 1u);
}

TEST_F(EditorTest, ListOpensWithTheFirstChoiceWhateverTheCellHolds) {
    const EditorRequest request = click(3);
    EXPECT_EQ(request.kind, EditorRequest::Kind::List);
    EXPECT_EQ(request.choices.front(), "8");
    EXPECT_EQ(request.choices.size(), 7u);
    EXPECT_EQ(click(4).choices.back(), "112");
}

TEST_F(EditorTest, LabelClickShowsOnlyTheHelp) {
    const EditorRequest request = click(3, 0);
    EXPECT_EQ(request.kind, EditorRequest::Kind::None);
    EXPECT_EQ(info.text().substr(0, 28), "Size of DeviceNet input byte");
    EXPECT_EQ(click(0).kind, EditorRequest::Kind::None); // grey: not editable
    EXPECT_EQ(click(2).kind, EditorRequest::Kind::None);
}

TEST_F(EditorTest, NodeAddressNoticesAndRenaming) {
    addNodes(2);
    addCommand(1, 3);
    addCommand(2, 1);
    addCommand(1, 4);
    setNodeAddress(1, "12");
    EXPECT_EQ(subnet().nodes[0].name, "Node-12");
    EXPECT_EQ(editor.tree().text(editor.nodeItem(1)), "Node-12");
    EXPECT_EQ(subnet().commands[0].slaveAddress, "12");
    EXPECT_EQ(subnet().commands[2].slaveAddress, "12");
    EXPECT_EQ(subnet().commands[1].slaveAddress, "-1");
    EXPECT_TRUE(prompter.shown().empty());

    const Shown outOfRange{Shown::Kind::Notice, "The value of \"Slave Address\" is out of range!"};
    const Shown duplicate{Shown::Kind::Notice,
                          "The value of \"Slave Address\" can not be duplicate!"};
    selectNode(2);
    EXPECT_EQ(type(0, "300"), "");
    EXPECT_EQ(type(0, ""), "");
    EXPECT_EQ(prompter.shown(), (std::vector<Shown>{outOfRange, outOfRange}));
    prompter.clear();
    EXPECT_EQ(type(0, "12"), "");
    EXPECT_EQ(prompter.shown(), std::vector<Shown>{duplicate});
    EXPECT_EQ(subnet().nodes[1].name, "New Node");

    prompter.clear();
    selectNode(1);
    EXPECT_EQ(type(0, "12"), "12"); // its own address again
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(subnet().nodes[0].address, "12");
}

TEST_F(EditorTest, MalformedNodeAddressLeavesNodeAndCommandsAlone) {
    addNodes(1);
    setNodeAddress(1, "5");
    addCommand(1, 3);
    selectNode(1);
    for (const char* bad : {"05", "5x", " 6"}) {
        EXPECT_EQ(type(0, bad), "5") << bad;
        EXPECT_EQ(cell(0), "5");
    }
    EXPECT_EQ(subnet().nodes[0].address, "5");
    EXPECT_EQ(subnet().commands[0].slaveAddress, "5");
    EXPECT_TRUE(prompter.shown().empty());
}

class CommandEditTest : public EditorTest {
  protected:
    void SetUp() override { addNodes(1); }
    void useCommand(int code) {
        addCommand(1, code);
        selectCommand(subnet().commandCount);
    }
    INSTRUCTION& command() { return subnet().commands[subnet().commandCount - 1]; }
};

TEST_F(CommandEditTest, PlcAddressQuestionPerFunctionCode) {
    useCommand(3);
    prompter.answerNext(Answer::Ok);
    EXPECT_EQ(type(2, "40001"), "0");
    EXPECT_EQ(command().startAddress, "0");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Address you entered is probably PLC address, will be "
                                       "converted to a protocol address!"});
    prompter.answerNext(Answer::Cancel);
    EXPECT_EQ(type(2, "40001"), "40001");
    EXPECT_EQ(command().startAddress, "40001");

    struct Case {
        int code;
        const char* typed;
        const char* converted;
    };
    const Case asked[] = {{5, "1", "0"},        {15, "9999", "9998"}, {2, "10002", "1"},
                          {4, "39999", "9998"}, {6, "40010", "9"},    {16, "49999", "9998"}};
    for (const Case& c : asked) {
        useCommand(c.code);
        prompter.clear();
        prompter.answerNext(Answer::Ok);
        EXPECT_EQ(type(2, c.typed), c.converted) << "code " << c.code;
        EXPECT_EQ(prompter.shown().size(), 1u) << "code " << c.code;
    }
    const Case silent[] = {{1, "40001", "40001"},
                           {2, "10000", "10000"},
                           {3, "50000", "50000"},
                           {4, "30000", "30000"},
                           {5, "0", "0"}};
    for (const Case& c : silent) {
        useCommand(c.code);
        prompter.clear();
        EXPECT_EQ(type(2, c.typed), c.converted) << "code " << c.code;
        EXPECT_TRUE(prompter.shown().empty()) << "code " << c.code;
    }
}

TEST_F(CommandEditTest, MalformedStartingAddressIsRejectedWithoutQuestion) {
    useCommand(3);
    type(2, "12");
    EXPECT_EQ(type(2, "40001x"), "12");
    EXPECT_EQ(type(2, "65536"), "12");
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(type(2, "65535"), "65535");
}

TEST_F(CommandEditTest, NumberOfDataAndByteCount) {
    useCommand(3);
    EXPECT_EQ(type(3, "37"), "");
    EXPECT_EQ(type(3, "36"), "36");
    EXPECT_EQ(command().byteCount, "72");
    EXPECT_EQ(cell(6), "72");
    EXPECT_EQ(type(3, "0"), "36");
    EXPECT_EQ(type(3, "036"), "36");

    useCommand(1);
    EXPECT_EQ(type(3, "400"), "400");
    EXPECT_EQ(command().byteCount, "50");
    EXPECT_EQ(type(3, "9"), "9");
    EXPECT_EQ(command().byteCount, "2");
    EXPECT_EQ(type(3, "401"), "9");

    useCommand(16);
    EXPECT_EQ(type(3, "10"), "10");
    EXPECT_EQ(command().byteCount, "20");
    EXPECT_EQ(cell(6), "20");
}

TEST_F(CommandEditTest, DoubleFaultAllowsEightyFourRegisters) {
    project.device.doubleFault = true;
    useCommand(4);
    EXPECT_EQ(type(3, "84"), "84");
    EXPECT_EQ(command().byteCount, "168");
    EXPECT_EQ(type(3, "85"), "84");
}

TEST_F(CommandEditTest, MappingAddressForms) {
    useCommand(3);
    EXPECT_EQ(type(4, "1A"), "1a");
    EXPECT_EQ(command().mapAddress, "1a");
    EXPECT_EQ(cell(4), "1aH");
    for (const char* bad : {"001a", "1ah", "0x1a", "1AH", "", "1", "a0"}) {
        EXPECT_EQ(type(4, bad), "1a") << bad;
        EXPECT_EQ(cell(4), "1aH");
    }
    EXPECT_EQ(type(4, "2"), "2");
    EXPECT_EQ(type(4, "9F"), "9f");

    useCommand(6);
    for (const char* good : {"9f", "0", "4000", "406f"})
        EXPECT_EQ(type(4, good), good);
    EXPECT_EQ(type(4, "4070"), "406f");
    EXPECT_EQ(type(4, "a0"), "406f");
}

TEST_F(CommandEditTest, BitOffsetAndEditableRowsPerCode) {
    useCommand(1);
    EXPECT_EQ(type(5, "7"), "7");
    EXPECT_EQ(type(5, "8"), "7");
    EXPECT_EQ(click(7).kind, EditorRequest::Kind::None);

    useCommand(6);
    EXPECT_EQ(click(3).kind, EditorRequest::Kind::None);
    EXPECT_EQ(click(5).kind, EditorRequest::Kind::None);
    EXPECT_EQ(click(7).choices,
              (std::vector<std::string>{"No Swap", "Two Bytes Swap", "Four Bytes Swap"}));
    choose(9, "Slow Scan");
    EXPECT_EQ(command().scanType, "Slow Scan");
    for (const int row : {0, 1, 6, 8})
        EXPECT_EQ(click(row).kind, EditorRequest::Kind::None) << row;
}

TEST_F(CommandEditTest, DataFilterOffersItsOwnChoicesOnlyForSomeCodes) {
    project.device.dataFilter = true;
    useCommand(16);
    EXPECT_EQ(click(7).kind, EditorRequest::Kind::None);
    useCommand(3);
    EXPECT_EQ(click(7).choices, (std::vector<std::string>{"Full word", "High Byte", "Low Byte"}));
}

TEST_F(CommandEditTest, CommitAfterTheSelectionMovedStoresButLeavesTheNewPage) {
    useCommand(3);
    click(2);
    selectNode(1);
    editor.commitEditBox("77");
    EXPECT_EQ(command().startAddress, "77");
    EXPECT_EQ(label(0), "Slave Address (0~247)");
    EXPECT_EQ(cell(2), "");
}

TEST_F(CommandEditTest, ScrollCommitsTheEditBoxAndHidesTheList) {
    useCommand(3);
    click(2);
    editor.gridScrolled("15");
    EXPECT_EQ(command().startAddress, "15");
    EXPECT_EQ(editor.openEditor(), EditorRequest::Kind::None);
    click(9);
    editor.gridScrolled("ignored");
    editor.commitListChoice("Slow Scan"); // the list is gone
    EXPECT_EQ(command().scanType, "Fast Scan");
}

TEST_F(EditorTest, ClicksAreIgnoredUntilTheTreeHasASelection) {
    editor.BuildTreeRoots();
    EXPECT_FALSE(editor.state().treeReady);
    EXPECT_EQ(click(1).kind, EditorRequest::Kind::None);
}

} // namespace
} // namespace brenmoor::test
