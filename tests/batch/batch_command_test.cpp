#include "batch/batch_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/save_steps.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

using tarnex::testing::ReadText;

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

/// Runs the built tarnex-batch in a scratch folder and keeps its exit status and output.
class BatchRun : public ::testing::Test {
  protected:
    int Run(const std::vector<std::string>& args) {
        std::string command = Quoted(TARNEX_BATCH_EXE);
        for (const std::string& arg : args) command += " " + Quoted(arg);
        command += " >" + Quoted((folder_ / "stdout.txt").string()) + " 2>" +
                   Quoted((folder_ / "stderr.txt").string());
        const int status = std::system(command.c_str());
        out = ReadText(folder_ / "stdout.txt");
        err = ReadText(folder_ / "stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string PathOf(const std::string& name) const { return scratch_.PathOf(name); }
    std::string Example(const std::string& name) const {
        return std::string(TARNEX_SOURCE_DIR) + "/examples/" + name;
    }
    /// The solid slab example with one piece of its text replaced, written to `name`.
    std::string SlabWith(const std::string& name, const std::string& from, const std::string& to) {
        std::string text = ReadText(Example("solid-slab.in"));
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
        return scratch_.WriteText(name, text);
    }
    /// The slab with its path height cleared: the prestress path is missing.
    std::string SlabWithoutPath() {
        return SlabWith("nopath.in", "0,3,180,3,360,3", "0,3,180,0,360,3");
    }

    tarnex::testing::ScratchFolder scratch_{"tarnex-batch"};
    const fs::path& folder_ = scratch_.path();
    std::string out, err;
};

TEST_F(BatchRun, HelpSucceedsAndUsageErrorsPrintTheUsageAndExitTwo) {
    const std::string input = Example("solid-slab.in");
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.find("Usage: tarnex-batch [OPTIONS] INPUT"), std::string::npos);
    EXPECT_TRUE(err.empty());
    const std::vector<std::vector<std::string>> cases = {{},
                                                         {"--frobnicate", input},
                                                         {input, input},
                                                         {"--calc", "section,magic", input},
                                                         {"--rh", "wet", input},
                                                         {"--rh", "150", input},
                                                         {"--save"},
                                                         {"--whole-strands", input},
                                                         {"--design=1", input},
                                                         {"--all=yes", input}};
    for (const auto& args : cases) {
        EXPECT_EQ(Run(args), 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_NE(err.find("Usage: tarnex-batch"), std::string::npos);
        EXPECT_TRUE(out.empty());
    }
}

TEST_F(BatchRun, SaveReproducesEachExampleByteForByte) {
    for (const auto& entry : fs::directory_iterator(Example(""))) {
        const std::string saved = PathOf("saved.in");
        EXPECT_EQ(Run({entry.path().string(), "--save", saved}), 0) << entry.path() << err;
        EXPECT_TRUE(err.empty()) << entry.path() << ": " << err;
        // Lines end with CR LF when written, whatever ending a line was read with.
        std::string expected;
        for (const char c : ReadText(entry.path())) {
            if (c == '\n' && (expected.empty() || expected.back() != '\r')) expected += '\r';
            expected += c;
        }
        EXPECT_EQ(ReadText(saved), expected) << entry.path();
    }
}

TEST_F(BatchRun, UnreadableInputIsReportedWithItsCauseAndExitsTwo) {
    const std::pair<std::string, std::string> cases[] = {
        {PathOf("nowhere.in"), "the file " + PathOf("nowhere.in") + " does not exist"},
        {SlabWith("many.in", "\r\n3,216878", "\r\n100001,216878"),
         "line 13: the number of load locations 100001 is outside 1 to 100000"},
    };
    for (const auto& [input, cause] : cases) {
        EXPECT_EQ(Run({input, "--save", PathOf("copy.in")}), 2) << input;
        EXPECT_EQ(err, "Error reading input file\n" + cause + "\n");
        EXPECT_FALSE(fs::exists(PathOf("copy.in")));
    }
}

TEST_F(BatchRun, FailedSaveExitsOneWithItsCauseAndRunsNoReport) {
    EXPECT_EQ(Run({Example("solid-slab.in"), "--save", PathOf("no/such/folder/x.in"), "-o",
                   PathOf("report.out")}),
              1);
    EXPECT_EQ(err, "Error writing input file\nthe folder " + PathOf("no/such/folder") +
                       " does not exist\n");
    EXPECT_FALSE(fs::exists(PathOf("report.out")));
}

TEST_F(BatchRun, ReportOntoTheInputOrTheSavedFileIsRefusedBeforeAnythingIsWritten) {
    const std::string design = scratch_.WriteText("design.in", ReadText(Example("solid-slab.in")));
    fs::create_directory(PathOf("sub"));
    fs::create_symlink("../design.in", PathOf("sub/link.in"));
    const std::string input = " is the input file ";
    const std::string saved = " is the --save file ";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{design, "-o", design}, input},
        {{design, "-o", PathOf("sub/../design.in")}, input},
        {{design, "-o", PathOf("sub/link.in"), "--save", PathOf("copy.in")}, input},
        {{design, "--save", PathOf("copy.in"), "-o", PathOf("sub/../copy.in")}, saved},
    };
    for (const auto& [args, clash] : cases) {
        SCOPED_TRACE(args.at(2));
        EXPECT_EQ(Run(args), 1);
        EXPECT_EQ(err.rfind("tarnex-batch: the report file ", 0), 0U) << err;
        EXPECT_NE(err.find(clash), std::string::npos) << err;
        EXPECT_EQ(ReadText(design), ReadText(Example("solid-slab.in")));
        EXPECT_FALSE(fs::exists(PathOf("copy.in")));
    }
}

TEST_F(BatchRun, TitledReportAndCsvComeTogetherOrAloneAndNeverOntoAnotherFile) {
    // The same figures whether the run writes a report or not; one row per location.
    EXPECT_EQ(Run({"--all", "--title", "Bridge 12", "-o", PathOf("r.out"), "--csv",
                   PathOf("with.csv"), Example("solid-slab.in")}),
              0)
        << err;
    // The report names its title and its files without their folders.
    const std::string report = ReadText(PathOf("r.out"));
    EXPECT_NE(report.find("Bridge 12"), std::string::npos);
    EXPECT_NE(report.find("Input file  = solid-slab.in\r\n     Output file = r.out\r\n"),
              std::string::npos);
    EXPECT_EQ(Run({"--all", "--csv", PathOf("alone.csv"), Example("solid-slab.in")}), 0) << err;
    const std::string csv = ReadText(PathOf("with.csv"));
    EXPECT_EQ(csv, ReadText(PathOf("alone.csv")));
    EXPECT_NE(csv.find(",phiMn [kip-ft],"), std::string::npos);

    const std::string design = scratch_.WriteText("design.in", ReadText(Example("solid-slab.in")));
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{design, "--csv", design}, "the CSV file " + design + " is the input file"},
        {{design, "-o", PathOf("r.out"), "--csv", PathOf("r.out")}, " is the report file "},
    };
    for (const auto& [args, clash] : cases) {
        EXPECT_EQ(Run(args), 1);
        EXPECT_NE(err.find(clash), std::string::npos) << err;
        EXPECT_EQ(ReadText(design), ReadText(Example("solid-slab.in")));
    }
}

TEST_F(BatchRun, TwoSavesAtOnceEachEndWithOneWholeDesign) {
    // Each process's success must be true of the file: it ends holding one whole design, and
    // no temporary file is left.
    const std::string target = PathOf("shared.in");
    const std::string first = Example("solid-slab.in");
    const std::string second = Example("pretensioned-i-girder.in");
    const std::string exe = Quoted(TARNEX_BATCH_EXE);
    const std::string command = exe + " " + Quoted(first) + " --save " + Quoted(target) +
                                " 2>/dev/null & a=$!; " + exe + " " + Quoted(second) + " --save " +
                                Quoted(target) +
                                " 2>/dev/null & b=$!; wait $a; s=$?; wait $b; exit $((s * 4 + $?))";
    for (int trial = 0; trial < 20; ++trial) {
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0)
            << "first " << WEXITSTATUS(status) / 4 << ", second " << WEXITSTATUS(status) % 4;
        const std::string saved = ReadText(target);
        EXPECT_TRUE(saved == ReadText(first) || saved == ReadText(second)) << trial;
    }
    EXPECT_EQ(scratch_.Names(), std::vector<std::string>{"shared.in"});
}

TEST_F(BatchRun, StepsRunInOrderAndTheFirstRefusalStopsBeforeSaveAndReport) {
    struct Case {
        std::string input, steps, refusal, before;
    };
    const Case cases[] = {
        // The force step reports its result and goes on; the slab width of a slab without a
        // composite slab is refused.
        {Example("solid-slab.in"), "pjack,beff,section", "Enter slab thickness",
         "The initial prestress (jacking) force"},
        {SlabWithoutPath(), "pjack", "Enter prestress path", ""},
        {SlabWith("nodims.in", "\r\n4\r\n0\r\n18,48,", "\r\n1\r\n0\r\n0,0,"), "section",
         "Enter the section dimensions: ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steps);
        EXPECT_EQ(Run({"--rh", "70", "--calc", c.steps, c.input, "--save", PathOf("after.in"), "-o",
                       PathOf("after.out")}),
                  1);
        const std::size_t refusal = err.find(c.refusal);
        EXPECT_NE(refusal, std::string::npos) << err;
        EXPECT_LE(err.find(c.before), refusal) << err;
        EXPECT_FALSE(fs::exists(PathOf("after.in")));
        EXPECT_FALSE(fs::exists(PathOf("after.out")));
    }
}

TEST_F(BatchRun, HumidityPromptIsPrintedUnlessAPositiveHumidityIsGiven) {
    const std::string input = Example("solid-slab.in");
    EXPECT_EQ(Run({"--rh", "0", "--calc", "losses", input}), 0);
    EXPECT_EQ(err, "Enter mean annual ambient relative humidity in percent\n");
    EXPECT_EQ(Run({"--rh", "70", "--calc", "losses", input}), 0);
    EXPECT_EQ(err, "");
}

TEST_F(BatchRun, FailedReportRunPrintsTheErrorAndItsCause) {
    EXPECT_EQ(Run({"-o", PathOf("no/folder/r.out"), Example("solid-slab.in")}), 1);
    EXPECT_EQ(err.rfind("Error in calculations\n", 0), 0U) << err;
    EXPECT_GT(err.size(), std::string("Error in calculations\n").size() + 1);
    EXPECT_FALSE(fs::exists(PathOf("no/folder/r.out")));
}

TEST_F(BatchRun, AFullDiskLeavesTheOldReportAndCsvByteForByteAndSaysWhy) {
    // The disk fills while the new file is written: the old one stays, and the message names
    // the file and the cause.
    const std::string report = scratch_.WriteText("good.out", "a good old report\r\n");
    const std::string csv = scratch_.WriteText("good.csv", "x [in]\r\n1\r\n");
    tarnex::SetSaveStepHook([](tarnex::SaveStep step) {
        return step == tarnex::SaveStep::WriteTemporary ? ENOSPC : 0;
    });
    std::ostringstream out, errors;
    const int reportRun =
        tarnex::RunBatchCommand({"--all", "-o", report, Example("solid-slab.in")}, out, errors);
    const std::string reportErrors = errors.str();
    errors.str("");
    const int csvRun =
        tarnex::RunBatchCommand({"--csv", csv, Example("solid-slab.in")}, out, errors);
    tarnex::SetSaveStepHook({});
    EXPECT_EQ(reportRun, 1);
    EXPECT_EQ(reportErrors, "Error in calculations\nthe report file \"" + report +
                                "\" cannot be written: the disk is full\n");
    EXPECT_EQ(ReadText(report), "a good old report\r\n");
    EXPECT_EQ(csvRun, 1);
    EXPECT_EQ(errors.str(), "Error writing CSV file\nthe disk is full\n");
    EXPECT_EQ(ReadText(csv), "x [in]\r\n1\r\n");
    EXPECT_EQ(scratch_.Names(), (std::vector<std::string>{"good.csv", "good.out"}));
}

TEST_F(BatchRun, ReportTargetsThatCannotBeWrittenAreRefusedAtOnceWithTheirCause) {
    // A FIFO would hold the open until a reader came: it is refused without being opened.
    ASSERT_EQ(::mkfifo(PathOf("pipe.out").c_str(), 0644), 0);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(Run({"-o", PathOf("pipe.out"), Example("solid-slab.in")}), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    EXPECT_EQ(err, "Error in calculations\nthe report file \"" + PathOf("pipe.out") +
                       "\" cannot be created: " + PathOf("pipe.out") + " is not a regular file\n");

    // Without any write bit a report is read-only, for the superuser too.
    const std::string readOnly = scratch_.WriteText("kept.out", "kept");
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(Run({"-o", readOnly, Example("solid-slab.in")}), 1);
    EXPECT_EQ(err, "Error in calculations\nthe report file \"" + readOnly +
                       "\" cannot be created: the file " + readOnly + " is read-only\n");
    EXPECT_EQ(ReadText(readOnly), "kept");

    EXPECT_EQ(Run({"-o", PathOf("no/folder/r.out"), Example("solid-slab.in")}), 1);
    EXPECT_EQ(err, "Error in calculations\nthe report file \"" + PathOf("no/folder/r.out") +
                       "\" cannot be created: the folder " + PathOf("no/folder") +
                       " does not exist\n");
}

TEST_F(BatchRun, OnARealFullDiskTheOldReportStays) {
    // A file system of 64 KB of its own (a mount namespace; skipped where none can be made),
    // 16 KB taken: a good 17 KB report is not replaced by a part of a new 40 KB one.
    const std::string golden = TARNEX_SOURCE_DIR "/tests/report/golden/pretensioned-i-girder.out";
    const std::string small = PathOf("small");
    fs::create_directory(small);
    const std::string script =
        "mount -t tmpfs -o size=64k tarnex-test " + Quoted(small) + " || exit 99; cp " +
        Quoted(golden) + " " + Quoted(small + "/good.out") +
        " || exit 99; head -c 16384 /dev/zero >" + Quoted(small + "/filler") + "; " +
        Quoted(TARNEX_BATCH_EXE) + " --all -o " + Quoted(small + "/good.out") + " " +
        Quoted(Example("generated-loads-i-girder.in")) + " 2>" + Quoted(PathOf("stderr.txt")) +
        "; [ $? = 1 ] || exit 5; cmp -s " + Quoted(small + "/good.out") + " " + Quoted(golden) +
        " || exit 3; [ \"$(ls -A " + Quoted(small) +
        " | tr '\\n' ' ')\" = 'filler good.out ' ] || exit 6";
    const int status = std::system(("unshare -r -m sh -c " + Quoted(script)).c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 99 || WEXITSTATUS(status) == 127 ||
        WEXITSTATUS(status) == 1)
        GTEST_SKIP() << "no small file system can be mounted here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "3: changed, 5: exit status, 6: a file left";
    EXPECT_EQ(ReadText(PathOf("stderr.txt")),
              "Error in calculations\nthe report file \"" + small +
                  "/good.out\" cannot be written: the disk is full\n");
}

TEST_F(BatchRun, NoticesGoToStderrAndDoNotStopTheRun) {
    // A design without a path is saved after its warning; a General section keeps its typed
    // properties after its notice.
    const std::pair<std::string, std::string> cases[] = {
        {SlabWithoutPath(), "Enter prestress path\n"},
        {SlabWith("general.in", "\r\n4\r\n0\r\n", "\r\n0\r\n0\r\n"),
         "General section properties must be input directly.\n"}};
    for (const auto& [input, notice] : cases) {
        EXPECT_EQ(Run({"--calc", "section", input, "--save", PathOf("copy.in")}), 0) << err;
        EXPECT_EQ(err, notice);
        EXPECT_EQ(ReadText(PathOf("copy.in")), ReadText(input));
    }
}

TEST_F(BatchRun, ShippedGeneratedExampleIsTheGenerationOfItsSource) {
    // The example with generated loads is the pretensioned girder with its loads generated;
    // its report is a golden report.
    const std::string generated = PathOf("generated.in");
    EXPECT_EQ(Run({Example("pretensioned-i-girder.in"), "--generate-loads", "--live", "hs20-44",
                   "--comp-dead", "0.1", "--save", generated}),
              0)
        << err;
    EXPECT_TRUE(err.empty()) << err;
    const std::string text = ReadText(generated);
    EXPECT_EQ(text, ReadText(Example("generated-loads-i-girder.in")));
    // Tenth points, h/2 = 31.5 in and the 25 in transfer length from each end, and the sections
    // of the HS20-44's absolute maximum moment 28 in from midspan; the harped path's key
    // points are tenth points.
    EXPECT_NE(text.find("\r\n17,1270283\r\n0\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n572\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n628\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n31.5\r\n0,38933.84,1260393,1.3\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n1168.5\r\n"), std::string::npos);
}

TEST_F(BatchRun, GenerationAtThePresentLocationsKeepsTheFactors) {
    const std::string saved = PathOf("at.in");
    EXPECT_EQ(Run({"--generate-at-locations", "--live", "E80", "--impact", "0", "--distribution",
                   "0.5", Example("pretensioned-i-girder.in"), "--save", saved}),
              0)
        << err;
    // At 25 ft of 100 ft, Cooper E80 per rail: 173.12 kips and 5,060.5 kip-ft; the file's
    // live load factor stays and its composite dead load is replaced by the (zero) generated.
    EXPECT_NE(ReadText(saved).find("\r\n300\r\n0,20545.56,9245502,1.3\r\n0,20519.52,9233784,1.3"
                                   "\r\n0,0,0,1.3\r\n0,173120,6.0726E+07,2.17\r\n0,0,0,1\r\n"),
              std::string::npos);
}

TEST_F(BatchRun, GenerationOptionsAreCheckedBeforeAndAfterLoading) {
    const std::string input = Example("solid-slab.in");
    const std::vector<std::vector<std::string>> usage = {
        {"--live", "HS20-44", input},
        {"--impact", "0.2", input},
        {"--generate-loads", "--generate-at-locations", input},
        {"--generate-loads", "--live", "HS25-44", input},
        {"--generate-loads", "--distribution", "one", input},
        {"--generate-loads=yes", input},
    };
    for (const auto& args : usage) {
        EXPECT_EQ(Run(args), 2) << args[0] << " " << args[1];
        EXPECT_NE(err.find("Usage: tarnex-batch"), std::string::npos);
    }
    EXPECT_EQ(Run({"--generate-loads", "--comp-dead", "-1", input, "--save", PathOf("x.in")}), 1);
    EXPECT_EQ(err, "Enter superimposed dead loads of 0 or more\n");
    EXPECT_FALSE(fs::exists(PathOf("x.in")));
}

}  // namespace

namespace {

/// The first line of a text.
std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

}  // namespace

TEST_F(BatchRun, DesignSummarizesOnStderrAndWholeStrandsAreSavedAndReported) {
    const std::string saved = PathOf("designed.in");
    EXPECT_EQ(Run({"--design", "--whole-strands", Example("pretensioned-i-girder.in"), "--save",
                   saved, "-o", PathOf("designed.out")}),
              0)
        << err;
    EXPECT_EQ(FirstLine(err),
              "Design converged after 6 passes: jacking force 1266.6 kips, 41 strands of 0.5 in "
              "(As = 6.26 in2)");
    // 41 x 0.153 x 202500 = 1270.3 kips, and the losses of that force.
    EXPECT_NE(err.find("\nWith 41 strands of 0.5 in (As = 6.273 in2): jacking force 1270.3 kips, "
                       "losses 43634 psi, at transfer 16795 psi\n"),
              std::string::npos)
        << err;
    EXPECT_NE(ReadText(saved).find("\n5,1270282\r\n"), std::string::npos);
    EXPECT_NE(err.find("\nFinal compression "), std::string::npos);

    // ACI names no vehicle: generated loads need the live load given.
    EXPECT_EQ(Run({"--generate-loads", Example("voided-slab-aci.in"), "--save", saved}), 2);
    EXPECT_EQ(FirstLine(err),
              "Enter a live load: --live HS20-44, HS15-44, H20-44, H15-44, E<n> "
              "or a load in kip/ft");

    // A design that cannot start stops with its message and exit 1, writing nothing.
    EXPECT_EQ(Run({"--design", SlabWithoutPath(), "--save", PathOf("never.in")}), 1);
    EXPECT_EQ(err, "Enter prestress path\nDesign stopped after 1 pass: Enter prestress path\n");
    EXPECT_FALSE(fs::exists(PathOf("never.in")));
}

TEST_F(BatchRun, RateAddsTheLoadRatingSectionAndItsCsvColumnsOnlyForAashtoDesigns) {
    const std::string input = Example("rated-type-iii-girder.in");
    const std::string report = PathOf("rated.out");
    const std::string csv = PathOf("rated.csv");
    ASSERT_EQ(Run({"--rate", "TYPE3,hs20-44", "--rating-limits", "6,0.6,0.8,0.9", "-o", report,
                   "--csv", csv, input}),
              0)
        << err;
    const std::string text = ReadText(report);
    EXPECT_NE(text.find("     L O A D   R A T I N G\r\n"), std::string::npos);
    // In the order given, after the shear capacity, which is not asked for here.
    EXPECT_LT(text.find("VEHICLE TYPE3 (25 tons)"), text.find("VEHICLE HS20-44 (36 tons)"));
    EXPECT_EQ(text.find("S H E A R"), std::string::npos);
    EXPECT_NE(text.find("     HS20-44  INVENTORY     1.00          36.0           480"
                        "          INV TENSION"),
              std::string::npos);
    const std::string table = ReadText(csv);
    const std::string header = table.substr(0, table.find('\r'));
    EXPECT_NE(header.find(",TYPE3 INV MOMENT,TYPE3 OPR MOMENT,TYPE3 INV TENSION,"
                          "TYPE3 INV COMPRESSION,TYPE3 INV STEEL,TYPE3 OPR STEEL,HS20-44 INV "
                          "MOMENT"),
              std::string::npos);
    EXPECT_EQ(header.substr(header.rfind(',') + 1), "HS20-44 OPR STEEL");

    // Without --rate the same run has neither.
    ASSERT_EQ(Run({"-o", report, "--csv", csv, input}), 0) << err;
    EXPECT_EQ(ReadText(report).find("L O A D   R A T I N G"), std::string::npos);
    EXPECT_EQ(ReadText(csv).find("INV MOMENT"), std::string::npos);

    // Other criteria are refused before anything is written, with the cause.
    const std::string arema = PathOf("arema.out");
    EXPECT_EQ(Run({"--rate", "legal", "-o", arema, Example("transformed-i-girder-arema.in")}), 1);
    EXPECT_NE(err.find("Load rating is available for AASHTO designs"), std::string::npos);
    EXPECT_FALSE(fs::exists(arema));
    EXPECT_EQ(Run({"--rate", "HS20-44", "--csv", PathOf("aci.csv"), Example("voided-slab-aci.in")}),
              1);
    EXPECT_NE(err.find("Load rating is available for AASHTO designs"), std::string::npos);
}

TEST_F(BatchRun, BadRatingOptionsAreUsageErrorsNamingTheCause) {
    const std::string input = Example("rated-type-iii-girder.in");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--rate", "HS25", input}, "unknown rating vehicle \"HS25\""},
        {{"--rate", "", input}, "unknown rating vehicle \"\""},
        {{"--rate"}, "option --rate needs a value"},
        {{"--rate", "legal", "--rating-limits", "6,0.6,0.8", input}, "--rating-limits needs"},
        {{"--rate", "legal", "--rating-limits", "6,1.5,0.8,0.9", input}, "--rating-limits needs"},
        {{"--rating-limits", "6,0.6,0.8,0.9", input}, "--rating-limits needs --rate"},
    };
    for (const auto& [args, cause] : cases) {
        EXPECT_EQ(Run(args), 2) << cause;
        EXPECT_NE(err.find("tarnex-batch: " + cause), std::string::npos) << err;
    }
}
