// Runs the built petcalc-cli and checks its exit status and output.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// Runs a program (looked up on PATH) with the arguments as given. The locale variables of the
// test's environment are replaced by localeEnv.
TRun Spawn(const std::string& program, const std::vector<std::string>& args,
           const std::vector<std::string>& localeEnv) {
    TRun run;
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    posix_spawn_file_actions_addclose(&actions, outPipe[0]);
    posix_spawn_file_actions_addclose(&actions, errPipe[0]);

    std::vector<std::string> argStorage = {program};
    argStorage.insert(argStorage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStorage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStorage;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.rfind("LC_", 0) != 0 && entry.rfind("LANG", 0) != 0)
            envStorage.push_back(entry);
    }
    envStorage.insert(envStorage.end(), localeEnv.begin(), localeEnv.end());
    std::vector<char*> envp;
    for (std::string& entry : envStorage)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    if (spawned != 0) {
        ADD_FAILURE() << "spawn: " << std::strerror(spawned);
        close(outPipe[0]);
        close(errPipe[0]);
        return run;
    }
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.Out, &run.Err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof(buffer));
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Runs petcalc-cli under the C locale unless other locale variables are given.
TRun RunCli(const std::vector<std::string>& args,
            const std::vector<std::string>& localeEnv = {"LC_ALL=C"}) {
    return Spawn(PETCALC_CLI_PATH, args, localeEnv);
}

std::vector<std::string> Checkup(const std::string& dj, const std::string& czl,
                                 const std::string& qjn, const std::string& hjn,
                                 const std::string& qn, const std::string& mbdj) {
    return {"checkup", "--dj", dj,     "--czl", czl,      "--qjn", qjn,
            "--hjn",   hjn,    "--qn", qn,      "--mbdj", mbdj};
}

// The check-up report as printed: caption, then every line, a CR LF giving an empty line.
std::string CheckupOutput(const std::string& target, const std::string& growth,
                          const std::string& points, const std::string& potential,
                          const std::string& all, const std::string& left,
                          const std::string& allConverted, const std::string& leftConverted,
                          const std::string& index) {
    return "宠物体检鉴定中心\n"
           "你的宠物体检结果如下:\n\n"
           "当你的宠物提升到" +
           target + "等级后,宠物的属性为\n" + "等  级:" + target + "\n" + "成长率:" + growth +
           "\n" + "技能点:" + points + "\n" + "潜  能:" + potential + "\n" +
           "总共可学技能数:" + all + "\n" + "还可学习技能数:" + left + "\n" +
           "如果将全部潜能转化为技能点后\n" + "总共可学技能数:" + allConverted + "\n" +
           "还可学习技能数:" + leftConverted + "\n" + "宠物成长指数:" + index + "\n" +
           "体检结束......\n\n"
           "宠物成长指数说明:\n\n"
           "1.宠物成长指数是根据宠物综合属性计算的.\n"
           "2.成长指数仅给玩家对甄别宠物提供参考数据.\n"
           "3.指数越高表示该宠物成长越好.\n\n"
           "软件制作 -- Tamsel\n";
}

TEST(cli_Program, CheckupWorkedExample) {
    const TRun run = RunCli(Checkup("30", "25", "100", "1000", "50", "40"));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, CheckupOutput("40", "25", "240/1140", "160", "4", "0", "5", "1", "0.127"));
    EXPECT_EQ(run.Err, "");
}

TEST(cli_Program, CheckupOfAMountPet) {
    std::vector<std::string> args = Checkup("30", "25", "100", "1000", "50", "40");
    args.insert(args.end(), {"--kind", "mount"});
    const TRun run = RunCli(args);
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, CheckupOutput("40", "25", "240/1140", "160", "3", "0", "4", "1", "0.127"));
}

TEST(cli_Program, FieldTextsPassThroughAsTyped) {
    const struct {
        const char* Why;
        std::vector<std::string> Args;
        std::string Target, Growth;
    } cases[] = {
        {"leading space", Checkup("30", "25", "100", "1000", "50", " 40"), " 40", "25"},
        {"hexadecimal", Checkup("30", "$19", "100", "1000", "50", "$28"), "$28", "$19"},
        {"equals form",
         {"checkup", "--mbdj=0x28", "--dj=30", "--czl=+25", "--qjn", "100", "--hjn", "1000", "--qn",
          "50"},
         "0x28",
         "+25"},
        {"options in any order",
         {"checkup", "--qn", "50", "--mbdj", "40", "--kind", "attendant", "--hjn", "1000", "--czl",
          "25", "--qjn", "100", "--dj", "30"},
         "40",
         "25"},
    };
    for (const auto& c : cases) {
        const TRun run = RunCli(c.Args);
        EXPECT_EQ(run.Status, 0) << c.Why;
        EXPECT_EQ(run.Out,
                  CheckupOutput(c.Target, c.Growth, "240/1140", "160", "4", "0", "5", "1", "0.127"))
            << c.Why;
    }
}

TEST(cli_Program, NegativeValuesAreValuesNotOptions) {
    const TRun run = RunCli(Checkup("-10", "10", "-5", "0", "0", "-8"));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, CheckupOutput("-8", "10", "5/10", "10", "0", "0", "0", "0", "0"));
}

TEST(cli_Program, MergeReports) {
    const TRun some = RunCli({"merge", "--ll", "6", "--tp", "5", "--ys", "0", "--jg", "0"});
    EXPECT_EQ(some.Status, 0);
    EXPECT_EQ(some.Out, "宠物功能鉴定中心\n"
                        "注:目前合一技能并未完全开放.\n"
                        "你的宠物功可学合一技能如下:\n"
                        "你的宠物可学习:力体合一\n"
                        "1级：攻击+4、生命恢复+1\n"
                        "2级：攻击+8、生命恢复+1\n"
                        "3级：攻击+12、生命恢复+1\n"
                        "4级：攻击+16、生命恢复+1\n"
                        "侍宠可学力体合一最高技能等级:4级\n"
                        "若力体合一技能达到4级后,侍宠学习力量融合4级可激活隐藏技能:凶猛\n"
                        "凶猛:物理会心几率+1.00%,物理会心伤害上限+3.00%\n\n"
                        "你的宠物可学习:体力合一\n"
                        "1级：生命值上限+30、法术抗性+4\n"
                        "2级：生命值上限+40、法术抗性+6\n"
                        "3级：生命值上限+50、法术抗性+8\n"
                        "4级：生命值上限+70、法术抗性+10\n"
                        "5级：生命值上限+80、法术抗性+12\n"
                        "侍宠可学体力合一最高技能等级:4级\n"
                        "若体力合一技能达到4级后,侍宠学习体魄融合4级可激活隐藏技能:强壮\n"
                        "强壮:吸取生命+1,物理会心几率+1.00%\n\n"
                        "宠物可学合一技能鉴定完毕......\n\n"
                        "软件制作 -- Tamsel\n");
    const TRun none = RunCli({"merge", "--ll", "4", "--tp", "-4", "--ys", "$4", "--jg", " 4"});
    EXPECT_EQ(none.Status, 0);
    EXPECT_EQ(none.Out, "宠物功能鉴定中心\n"
                        "注:目前合一技能并未完全开放.\n"
                        "你的宠物功可学合一技能如下:\n"
                        "很抱歉,你的宠物属性实在太烂了.什么合一技能都学不了.\n\n"
                        "宠物可学合一技能鉴定完毕......\n\n"
                        "软件制作 -- Tamsel\n");
    // The worked example: caption and 54 report lines, seven of them ending in a line break.
    const TRun example = RunCli({"merge", "--ll", "6", "--tp", "6", "--ys", "5", "--jg", "3"});
    EXPECT_EQ(example.Status, 0);
    EXPECT_EQ(std::count(example.Out.begin(), example.Out.end(), '\n'), 62);
    EXPECT_NE(example.Out.find("侍宠可学元体合一最高技能等级:4级\n"), std::string::npos);
}

TEST(cli_Program, InputMessagesExitWithOne) {
    const std::string empty = "嘿,伙计,上面的空格都要填写,就算为0那你也要写0\n"
                              "而不是让它空着,完整的写好我才能给你宠物体检哦\n";
    const std::string notInteger =
        "NO,NO,你在空格里应该写出的是整数,而不是什么乱78糟我不认识的东西\n";
    const struct {
        const char* Why;
        std::vector<std::string> Args;
        std::string Out;
    } cases[] = {
        {"missing option is an empty field",
         {"checkup", "--dj", "30", "--czl", "25", "--qjn", "100", "--hjn", "1000", "--qn", "50"},
         empty},
        {"empty value", Checkup("30", "25", "100", "1000", "", "40"), empty},
        {"trailing space", Checkup("30", "25", "100", "1000", "50", "40 "), notInteger},
        {"full-width digits", Checkup("30", "２５", "100", "1000", "50", "40"), notInteger},
        {"character outside GBK", Checkup("30", "25😀", "100", "1000", "50", "40"), notInteger},
        {"target below current", Checkup("30", "25", "100", "1000", "50", "29"),
         "注意,你要查询的目标等级小于当前等级 \n老是眷念着历史可不好,不是么?!\n"},
        {"skill points above total", Checkup("30", "25", "1001", "1000", "50", "29"),
         "别开玩笑了,伙计,你的宠物的技能点都超过总技能点了,怎么可能呢\n"},
        {"no attributes", {"merge"}, "你真懒呢,上面才4个空格都不写满,快点写好.\n"},
        {"attribute not an integer",
         {"merge", "--ll", "6", "--tp", "6", "--ys", "5", "--jg", "3.0"},
         "不是早告诉过你要写整数的吗,要我说几次呢\n"},
    };
    for (const auto& c : cases) {
        const TRun run = RunCli(c.Args);
        EXPECT_EQ(run.Status, 1) << c.Why;
        EXPECT_EQ(run.Out, c.Out) << c.Why;
        EXPECT_EQ(run.Err, "") << c.Why;
    }
}

TEST(cli_Program, UsageErrorsExitWithTwo) {
    const struct {
        const char* Why;
        std::vector<std::string> Args;
        const char* Problem;
    } cases[] = {
        {"no command", {}, "no command"},
        {"unknown command", {"report"}, "unknown command 'report'"},
        {"unknown option", {"checkup", "--level", "3"}, "unknown option '--level'"},
        {"option of the other report", {"merge", "--dj", "3"}, "unknown option '--dj'"},
        {"missing value", {"merge", "--ll"}, "'--ll' needs a value"},
        {"option given twice", {"merge", "--ll", "1", "--ll", "2"}, "'--ll' given twice"},
        {"bad kind", {"checkup", "--kind", "pet"}, "--kind is attendant or mount"},
        {"stray argument", {"merge", "6"}, "unexpected argument '6'"},
    };
    for (const auto& c : cases) {
        const TRun run = RunCli(c.Args);
        EXPECT_EQ(run.Status, 2) << c.Why;
        EXPECT_EQ(run.Out, "") << c.Why;
        EXPECT_NE(run.Err.find(c.Problem), std::string::npos) << c.Why << ": " << run.Err;
        EXPECT_NE(run.Err.find("usage: petcalc-cli checkup"), std::string::npos) << c.Why;
    }
}

bool IsUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80                 ? 1
                              : c >= 0xC2 && c <= 0xDF ? 2
                              : c >= 0xE0 && c <= 0xEF ? 3
                              : c >= 0xF0 && c <= 0xF4 ? 4
                                                       : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        // Overlong three-byte forms and surrogates.
        if (n == 3 && ((c == 0xE0 && static_cast<unsigned char>(s[i + 1]) < 0xA0) ||
                       (c == 0xED && static_cast<unsigned char>(s[i + 1]) >= 0xA0)))
            return false;
        i += n;
    }
    return true;
}

// Bytes that are not UTF-8 in the arguments are never echoed: the error text shows them as \xNN
// and both outputs stay UTF-8, whichever part of the command line holds them.
TEST(cli_Program, BadArgumentBytesNeverReachTheOutput) {
    const std::vector<std::string> bad = {
        "\xFF",     "\xC3",     "a\xE4\xB8",   "\xED\xA0\x80",
        "\xC0\xAF", "\xB5\xC8", "\x1B[31mred", "\xF5\x80\x80\x80"};
    int checked = 0;
    for (const std::string& b : bad) {
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {b},
                 {"merge", b},
                 {"merge", "--" + b, "1"},
                 {"merge", "--" + b + "=1"},
                 {"checkup", "--kind", b},
                 {"merge", "--ll", b, "--tp", "1", "--ys", "1", "--jg", "1"},
                 {"checkup", "--dj", "1", "--czl", b, "--qjn", "1", "--hjn", "2", "--qn", "1",
                  "--mbdj", "2"},
                 {"merge", "--ll", "1", b}}) {
            const TRun run = RunCli(args);
            EXPECT_TRUE(run.Status == 1 || run.Status == 2) << run.Status;
            EXPECT_TRUE(IsUtf8(run.Err)) << run.Err;
            EXPECT_TRUE(IsUtf8(run.Out)) << run.Out;
            if (run.Status == 2) {
                EXPECT_NE(run.Err.find("\\x"), std::string::npos) << run.Err;
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 64);
    const TRun shown = RunCli({"report\xFF\xFE"});
    EXPECT_NE(shown.Err.find("unknown command 'report\\xFF\\xFE'"), std::string::npos) << shown.Err;
    const TRun chinese = RunCli({"报告"});
    EXPECT_NE(chinese.Err.find("unknown command '报告'"), std::string::npos) << chinese.Err;
}

// An output that cannot be written - closed, or a pipe whose reader went away - ends with
// status 3 and a line on the error output, never with a signal.
TEST(cli_Program, AnOutputThatCannotBeWrittenIsStatusThree) {
    for (const bool closedOutput : {true, false}) {
        SCOPED_TRACE(closedOutput ? "closed" : "broken pipe");
        int outPipe[2], errPipe[2];
        ASSERT_EQ(pipe(outPipe), 0);
        ASSERT_EQ(pipe(errPipe), 0);
        close(outPipe[0]); // the reader is gone before anything is written
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (closedOutput)
            posix_spawn_file_actions_addclose(&actions, 1);
        else
            posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
        posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
        posix_spawn_file_actions_addclose(&actions, errPipe[0]);
        std::vector<std::string> storage = {PETCALC_CLI_PATH, "merge", "--ll", "9", "--tp", "9",
                                            "--ys",           "9",     "--jg", "9"};
        std::vector<char*> argv;
        for (std::string& a : storage)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, PETCALC_CLI_PATH, &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(outPipe[1]);
        close(errPipe[1]);
        std::string err;
        char buffer[512];
        for (ssize_t n; (n = read(errPipe[0], buffer, sizeof buffer)) > 0;)
            err.append(buffer, std::size_t(n));
        close(errPipe[0]);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 3);
        EXPECT_EQ(err, "petcalc-cli: the output could not be written\n");
    }
}

TEST(cli_Program, HelpInEnglishAndChinese) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"checkup", "--dj", "3", "--help"}}) {
        const TRun run = RunCli(args);
        EXPECT_EQ(run.Status, 0);
        EXPECT_NE(run.Out.find("Exit status"), std::string::npos);
        EXPECT_NE(run.Out.find("退出码"), std::string::npos);
        EXPECT_NE(run.Out.find("petcalc-cli merge --ll T --tp T --ys T --jg T"), std::string::npos);
        EXPECT_EQ(run.Err, "");
    }
    // A value that reads "--help" is a value.
    const TRun value = RunCli({"merge", "--ll", "--help", "--tp", "6", "--ys", "6", "--jg", "6"});
    EXPECT_EQ(value.Status, 1);
}

// The growth index takes the decimal separator of LC_NUMERIC. A German locale, whose separator
// is a comma, is compiled into a temporary directory for the test.
TEST(cli_Program, GrowthIndexUsesTheLocaleDecimalSeparator) {
    char dirTemplate[] = "/tmp/petcalc-locale-XXXXXX";
    ASSERT_NE(mkdtemp(dirTemplate), nullptr);
    const std::string dir = dirTemplate;
    const TRun made =
        Spawn("localedef", {"-i", "de_DE", "-f", "UTF-8", dir + "/de_DE.UTF-8"}, {"LC_ALL=C"});
    ASSERT_EQ(made.Status, 0) << "localedef (package locales) failed: " << made.Err;

    const std::vector<std::string> args = Checkup("30", "25", "100", "1000", "50", "40");
    const TRun german = RunCli(args, {"LOCPATH=" + dir, "LC_NUMERIC=de_DE.UTF-8"});
    EXPECT_EQ(german.Status, 0);
    EXPECT_EQ(german.Out,
              CheckupOutput("40", "25", "240/1140", "160", "4", "0", "5", "1", "0,127"));
    // Only the numeric category counts.
    const TRun otherCategory = RunCli(args, {"LOCPATH=" + dir, "LC_MESSAGES=de_DE.UTF-8"});
    EXPECT_NE(otherCategory.Out.find("宠物成长指数:0.127\n"), std::string::npos);
    std::filesystem::remove_all(dir);
}

} // namespace
