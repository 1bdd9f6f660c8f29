// SPDX-License-Identifier: MIT
// Nanoseconds to build and to parse one record of every field signature the
// library and its server exchange, of a raw text record and of a list part
// of 40 items.
#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace quor;

namespace {

// A record kind by its field signature, with typical values. Strings are
// held here so that the field values can point into them.
struct SignatureCase {
    const char *signature;
    std::int32_t id;
    std::vector<std::string> strings; // in signature order
    std::vector<std::int32_t> ints;   // in signature order
    std::vector<std::uint8_t> bytes;  // in signature order

    std::vector<FieldValue> Values() const {
        std::vector<FieldValue> values;
        std::size_t si = 0, di = 0, ci = 0;
        for (const char *p = signature; *p != '\0'; ++p) {
            if (*p == 's') {
                values.emplace_back(std::string_view(strings[si++]));
            } else if (*p == 'd') {
                values.emplace_back(ints[di++]);
            } else {
                values.emplace_back(bytes[ci++]);
            }
        }
        return values;
    }
};

const std::vector<SignatureCase> &Cases() {
    static const std::vector<SignatureCase> cases = {
        {"ssdd", 1, {"anna", "secret"}, {14, 1}, {}},
        {"s", 307, {"anna"}, {}, {}},
        {"d", 500, {}, {1700000000}, {}},
        {"dsds", 302, {"#lobby", "channel password"}, {0, 1}, {}},
        {"ss", 606, {"#lobby", "anna"}, {}, {}},
        {"sssddddd",
         403,
         {"anna", "secret", "anna@example.org"},
         {1, 1600000000, 1700000000, 0, 0},
         {}},
        {"sc", 408, {"anna"}, {}, {1}},
        {"sd", 4, {std::string(100, 't')}, {1700000000}, {}},
        {"ds", 112, {"#lobby"}, {302}, {}},
        {"dss", 602, {"anna", "#lobby"}, {0}, {}},
        {"scss", 605, {"#lobby", "topic of the channel", "owner anna"}, {}, {2}},
    };
    return cases;
}

// Destinations for a read of one signature.
struct Targets {
    std::string s[3];
    std::int32_t d[5] = {};
    std::uint8_t c = 0;
    std::vector<FieldTarget> list;

    explicit Targets(const char *signature) {
        std::size_t si = 0, di = 0;
        for (const char *p = signature; *p != '\0'; ++p) {
            if (*p == 's') {
                list.emplace_back(&s[si++]);
            } else if (*p == 'd') {
                list.emplace_back(&d[di++]);
            } else {
                list.emplace_back(&c);
            }
        }
    }
};

void BuildFields(benchmark::State &state, const SignatureCase &c) {
    const std::vector<FieldValue> values = c.Values();
    for (auto _ : state) {
        QuorMessage record;
        PackFields(record, c.id, 1, c.signature, values);
        benchmark::DoNotOptimize(record);
    }
}

void ParseFields(benchmark::State &state, const SignatureCase &c) {
    QuorMessage record;
    PackFields(record, c.id, 1, c.signature, c.Values());
    Targets targets(c.signature);
    for (auto _ : state) {
        const bool ok = ExpectFields(record, c.id, 1, c.signature, targets.list);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(targets.s[0]);
    }
}

const std::string kTextBody(100, 't');

void BuildRawText(benchmark::State &state) {
    for (auto _ : state) {
        QuorMessage record;
        record.setId(wire::kText);
        record.setRecipient("anna");
        record.setRawText(kTextBody);
        benchmark::DoNotOptimize(record);
    }
}

void ParseRawText(benchmark::State &state) {
    QuorMessage record;
    record.setId(wire::kText);
    record.setRawText(kTextBody);
    for (auto _ : state) {
        std::string text = record.rawText();
        benchmark::DoNotOptimize(text);
    }
}

constexpr int kListItems = 40;

std::vector<std::string> ListNames() {
    std::vector<std::string> names;
    for (int i = 0; i < kListItems; ++i) {
        names.push_back("user" + std::to_string(i));
    }
    return names;
}

void BuildListPart(benchmark::State &state) {
    const std::vector<std::string> names = ListNames();
    for (auto _ : state) {
        ListBuilder builder(206, "anna");
        for (const std::string &name : names) {
            builder.add(name);
        }
        std::vector<QuorMessage> parts = builder.finish();
        benchmark::DoNotOptimize(parts);
    }
}

void ParseListPart(benchmark::State &state) {
    ListBuilder builder(206, "anna");
    for (const std::string &name : ListNames()) {
        builder.add(name);
    }
    const QuorMessage part = builder.finish().front();
    for (auto _ : state) {
        std::vector<std::string> items = ListItems(part);
        benchmark::DoNotOptimize(items);
    }
}

void RegisterAll() {
    for (const SignatureCase &c : Cases()) {
        const std::string suffix = std::string("/") + c.signature;
        benchmark::RegisterBenchmark(("Build" + suffix).c_str(), BuildFields, c);
        benchmark::RegisterBenchmark(("Parse" + suffix).c_str(), ParseFields, c);
    }
    benchmark::RegisterBenchmark("Build/raw_text", BuildRawText);
    benchmark::RegisterBenchmark("Parse/raw_text", ParseRawText);
    benchmark::RegisterBenchmark("Build/list_part_40_items", BuildListPart);
    benchmark::RegisterBenchmark("Parse/list_part_40_items", ParseListPart);
}

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
