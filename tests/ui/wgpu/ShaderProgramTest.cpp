// The two SPIR-V programs the renderer builds its pipeline from: valid for the
// SPIR-V validator, version 1.0, and with the interface the pipeline layout,
// vertex layout and bind groups rely on, read from the words themselves.

#include "ShaderModules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// The SPIR-V opcodes, decorations and enumerants these tests read.
enum : uint32_t {
    OpSource = 3,
    OpName = 5,
    OpMemberName = 6,
    OpLine = 8,
    OpExtInstImport = 11,
    OpMemoryModel = 14,
    OpEntryPoint = 15,
    OpExecutionMode = 16,
    OpCapability = 17,
    OpTypeFloat = 22,
    OpTypeVector = 23,
    OpTypeMatrix = 24,
    OpTypeImage = 25,
    OpTypeSampler = 26,
    OpTypeStruct = 30,
    OpTypePointer = 32,
    OpVariable = 59,
    OpDecorate = 71,
    OpMemberDecorate = 72,
    OpSampledImage = 86,
    OpImageSampleImplicitLod = 87,
    OpMatrixTimesVector = 145,
    OpFMul = 133,
};
enum : uint32_t {
    DecBlock = 2,
    DecColMajor = 5,
    DecMatrixStride = 7,
    DecBuiltIn = 11,
    DecLocation = 30,
    DecBinding = 33,
    DecDescriptorSet = 34,
    DecOffset = 35,
};
enum : uint32_t { UniformConstant = 0, Input = 1, Uniform = 2, Output = 3 };

std::string literalString(const std::vector<uint32_t>& words, size_t first) {
    std::string s;
    for (size_t i = first; i < words.size(); ++i) {
        for (int b = 0; b < 4; ++b) {
            char c = static_cast<char>((words[i] >> (8 * b)) & 0xFF);
            if (c == 0)
                return s;
            s += c;
        }
    }
    return s;
}

struct EntryPoint {
    uint32_t model;
    uint32_t function;
    std::string name;
};

// The parts of a module that make up its interface.
struct Module {
    uint32_t version = 0;
    size_t wordsParsed = 0;
    std::set<uint32_t> opcodes;
    std::vector<uint32_t> capabilities;
    std::vector<std::string> extImports;
    std::vector<uint32_t> memoryModel;
    std::vector<uint32_t> source;
    std::vector<EntryPoint> entryPoints;
    std::vector<std::vector<uint32_t>> executionModes;
    std::map<uint32_t, std::string> names;
    std::map<std::pair<uint32_t, uint32_t>, std::string> memberNames;
    std::map<uint32_t, std::map<uint32_t, uint32_t>> decorations;
    std::map<std::pair<uint32_t, uint32_t>, std::map<uint32_t, uint32_t>> memberDecorations;
    std::map<uint32_t, std::vector<uint32_t>> types; // id -> opcode, operands after the id
    std::map<uint32_t, std::pair<uint32_t, uint32_t>> variables; // id -> pointer type, class

    uint32_t named(const std::string& name) const {
        for (const auto& entry : names) {
            if (entry.second == name)
                return entry.first;
        }
        return 0;
    }
    bool decorated(uint32_t id, uint32_t decoration, uint32_t value = 0) const {
        auto it = decorations.find(id);
        if (it == decorations.end())
            return false;
        auto d = it->second.find(decoration);
        return d != it->second.end() && d->second == value;
    }
    uint32_t pointee(uint32_t variable) const {
        return types.at(variables.at(variable).first).at(2);
    }
    uint32_t storageClass(uint32_t variable) const { return variables.at(variable).second; }
    // "float32", "vec2", "vec4", "mat4" for the float types the programs use.
    std::string describe(uint32_t type) const {
        const std::vector<uint32_t>& t = types.at(type);
        if (t[0] == OpTypeFloat)
            return "float" + std::to_string(t[1]);
        if (t[0] == OpTypeVector && describe(t[1]) == "float32")
            return "vec" + std::to_string(t[2]);
        if (t[0] == OpTypeMatrix && describe(t[1]) == "vec" + std::to_string(t[2]))
            return "mat" + std::to_string(t[2]);
        return "other";
    }
};

Module parse(const uint32_t* words, size_t count) {
    Module m;
    if (count < 5)
        return m;
    m.version = words[1];
    size_t at = 5;
    while (at < count) {
        const uint32_t opcode = words[at] & 0xFFFF;
        const uint32_t length = words[at] >> 16;
        if (length == 0 || at + length > count)
            break;
        const std::vector<uint32_t> op(words + at, words + at + length);
        m.opcodes.insert(opcode);
        switch (opcode) {
        case OpCapability:
            m.capabilities.push_back(op[1]);
            break;
        case OpExtInstImport:
            m.extImports.push_back(literalString(op, 2));
            break;
        case OpMemoryModel:
            m.memoryModel.assign(op.begin() + 1, op.end());
            break;
        case OpSource:
            m.source.assign(op.begin() + 1, op.begin() + 3);
            break;
        case OpEntryPoint:
            m.entryPoints.push_back({op[1], op[2], literalString(op, 3)});
            break;
        case OpExecutionMode:
            m.executionModes.emplace_back(op.begin() + 1, op.end());
            break;
        case OpName:
            m.names[op[1]] = literalString(op, 2);
            break;
        case OpMemberName:
            m.memberNames[{op[1], op[2]}] = literalString(op, 3);
            break;
        case OpDecorate:
            m.decorations[op[1]][op[2]] = length > 3 ? op[3] : 0;
            break;
        case OpMemberDecorate:
            m.memberDecorations[{op[1], op[2]}][op[3]] = length > 4 ? op[4] : 0;
            break;
        case OpTypeFloat:
        case OpTypeVector:
        case OpTypeMatrix:
        case OpTypeImage:
        case OpTypeSampler:
        case OpTypeStruct:
        case OpTypePointer: {
            std::vector<uint32_t> type{opcode};
            type.insert(type.end(), op.begin() + 2, op.end());
            m.types[op[1]] = type;
            break;
        }
        case OpVariable:
            m.variables[op[2]] = {op[1], op[3]};
            break;
        default:
            break;
        }
        at += length;
    }
    m.wordsParsed = at;
    return m;
}

std::vector<uint32_t> vertexWords() {
    size_t count = 0;
    const uint32_t* words = ImGui_ImplWGPU_VertexProgram(&count);
    return std::vector<uint32_t>(words, words + count);
}

std::vector<uint32_t> fragmentWords() {
    size_t count = 0;
    const uint32_t* words = ImGui_ImplWGPU_FragmentProgram(&count);
    return std::vector<uint32_t>(words, words + count);
}

// Runs the SPIR-V validator for Vulkan 1.0 (which admits SPIR-V 1.0) on the words.
int validate(const std::vector<uint32_t>& words, std::string& output) {
    char path[] = "/tmp/tallowick-spirv-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0)
        return -1;
    const ssize_t bytes = static_cast<ssize_t>(words.size() * sizeof(uint32_t));
    const bool written = write(fd, words.data(), bytes) == bytes;
    close(fd);
    int status = -1;
    if (written) {
        const std::string command =
            std::string("spirv-val --target-env vulkan1.0 ") + path + " 2>&1";
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[256];
            while (fgets(buffer, sizeof buffer, pipe))
                output += buffer;
            status = pclose(pipe);
        }
    }
    unlink(path);
    return status;
}

// The block variable of the given storage class whose struct has members Color (vec4), UV (vec2).
void expectColorUvBlock(const Module& m, const char* variableName, uint32_t storage) {
    SCOPED_TRACE(variableName);
    const uint32_t var = m.named(variableName);
    ASSERT_NE(var, 0u);
    ASSERT_EQ(m.variables.count(var), 1u);
    EXPECT_EQ(m.storageClass(var), storage);
    EXPECT_TRUE(m.decorated(var, DecLocation, 0));
    const uint32_t block = m.pointee(var);
    const std::vector<uint32_t>& type = m.types.at(block);
    ASSERT_EQ(type[0], OpTypeStruct);
    ASSERT_EQ(type.size(), 3u);
    EXPECT_TRUE(m.decorated(block, DecBlock));
    EXPECT_EQ(m.memberNames.at({block, 0}), "Color");
    EXPECT_EQ(m.describe(type[1]), "vec4");
    EXPECT_EQ(m.memberNames.at({block, 1}), "UV");
    EXPECT_EQ(m.describe(type[2]), "vec2");
}

void expectInput(const Module& m, const char* name, uint32_t location, const char* type) {
    SCOPED_TRACE(name);
    const uint32_t var = m.named(name);
    ASSERT_NE(var, 0u);
    EXPECT_EQ(m.storageClass(var), Input);
    EXPECT_TRUE(m.decorated(var, DecLocation, location));
    EXPECT_EQ(m.describe(m.pointee(var)), type);
}

void expectCommonModuleShape(const Module& m, const std::vector<uint32_t>& words,
                             uint32_t executionModel) {
    EXPECT_EQ(words.at(0), 0x07230203u);
    EXPECT_EQ(m.version, 0x00010000u);
    EXPECT_EQ(m.wordsParsed, words.size()) << "the word count is not the module's own length";
    EXPECT_EQ(m.capabilities, std::vector<uint32_t>{1}); // Shader
    EXPECT_EQ(m.extImports, std::vector<std::string>{"GLSL.std.450"});
    EXPECT_EQ(m.memoryModel, (std::vector<uint32_t>{0, 1})); // Logical, GLSL450
    EXPECT_EQ(m.source, (std::vector<uint32_t>{2, 450}));    // GLSL 450
    EXPECT_EQ(m.opcodes.count(OpLine), 0u) << "the module carries line information";
    ASSERT_EQ(m.entryPoints.size(), 1u);
    EXPECT_EQ(m.entryPoints[0].model, executionModel);
    EXPECT_EQ(m.entryPoints[0].name, "main");
}

TEST(ShaderPrograms, PassTheValidatorForVulkan10) {
    for (const auto& words : {vertexWords(), fragmentWords()}) {
        std::string output;
        EXPECT_EQ(validate(words, output), 0) << output;
    }
}

TEST(ShaderPrograms, VertexProgramInterface) {
    const std::vector<uint32_t> words = vertexWords();
    const Module m = parse(words.data(), words.size());
    expectCommonModuleShape(m, words, 0); // Vertex

    expectInput(m, "aPos", 0, "vec2");
    expectInput(m, "aUV", 1, "vec2");
    expectInput(m, "aColor", 2, "vec4");
    expectColorUvBlock(m, "Out", Output);

    // gl_Position, the built-in position, in the output block gl_PerVertex.
    const uint32_t perVertex = m.named("gl_PerVertex");
    ASSERT_NE(perVertex, 0u);
    EXPECT_EQ(m.memberNames.at({perVertex, 0}), "gl_Position");
    EXPECT_EQ(m.memberDecorations.at({perVertex, 0}).at(DecBuiltIn), 0u); // Position
    bool perVertexOutput = false;
    for (const auto& var : m.variables)
        perVertexOutput |= var.second.second == Output && m.pointee(var.first) == perVertex;
    EXPECT_TRUE(perVertexOutput);

    // The uniform block `transform` holding the column-major matrix mvp at set 0, binding 0.
    const uint32_t transform = m.named("transform");
    ASSERT_NE(transform, 0u);
    EXPECT_TRUE(m.decorated(transform, DecBlock));
    const std::vector<uint32_t>& members = m.types.at(transform);
    ASSERT_EQ(members.size(), 2u) << "transform has one member";
    EXPECT_EQ(m.memberNames.at({transform, 0}), "mvp");
    EXPECT_EQ(m.describe(members[1]), "mat4");
    const auto& mvp = m.memberDecorations.at({transform, 0});
    EXPECT_EQ(mvp.at(DecOffset), 0u);
    EXPECT_EQ(mvp.count(DecColMajor), 1u);
    EXPECT_EQ(mvp.at(DecMatrixStride), 16u);
    uint32_t uniformVariable = 0;
    for (const auto& var : m.variables) {
        if (var.second.second == Uniform && m.pointee(var.first) == transform)
            uniformVariable = var.first;
    }
    ASSERT_NE(uniformVariable, 0u);
    EXPECT_TRUE(m.decorated(uniformVariable, DecDescriptorSet, 0));
    EXPECT_TRUE(m.decorated(uniformVariable, DecBinding, 0));
    EXPECT_EQ(m.opcodes.count(OpMatrixTimesVector), 1u);
}

TEST(ShaderPrograms, FragmentProgramInterface) {
    const std::vector<uint32_t> words = fragmentWords();
    const Module m = parse(words.data(), words.size());
    expectCommonModuleShape(m, words, 4); // Fragment
    ASSERT_EQ(m.executionModes.size(), 1u);
    EXPECT_EQ(m.executionModes[0], (std::vector<uint32_t>{m.entryPoints[0].function, 7}))
        << "origin upper-left";

    expectColorUvBlock(m, "In", Input);

    const uint32_t fColor = m.named("fColor");
    ASSERT_NE(fColor, 0u);
    EXPECT_EQ(m.storageClass(fColor), Output);
    EXPECT_TRUE(m.decorated(fColor, DecLocation, 0));
    EXPECT_EQ(m.describe(m.pointee(fColor)), "vec4");

    // t: 2D float image, not arrayed, not multisampled, no depth, sampled, no format; set 1.
    const uint32_t t = m.named("t");
    ASSERT_NE(t, 0u);
    EXPECT_EQ(m.storageClass(t), UniformConstant);
    EXPECT_TRUE(m.decorated(t, DecDescriptorSet, 1));
    EXPECT_TRUE(m.decorated(t, DecBinding, 0));
    const std::vector<uint32_t>& image = m.types.at(m.pointee(t));
    ASSERT_EQ(image[0], OpTypeImage);
    EXPECT_EQ(m.describe(image[1]), "float32");
    EXPECT_EQ(std::vector<uint32_t>(image.begin() + 2, image.begin() + 8),
              (std::vector<uint32_t>{1, 0, 0, 0, 1, 0})); // 2D, depth, arrayed, MS, sampled, format

    const uint32_t s = m.named("s");
    ASSERT_NE(s, 0u);
    EXPECT_EQ(m.storageClass(s), UniformConstant);
    EXPECT_TRUE(m.decorated(s, DecDescriptorSet, 0));
    EXPECT_TRUE(m.decorated(s, DecBinding, 1));
    EXPECT_EQ(m.types.at(m.pointee(s))[0], OpTypeSampler);

    // Colour times the texel sampled with implicit level of detail through t combined with s.
    EXPECT_EQ(m.opcodes.count(OpSampledImage), 1u);
    EXPECT_EQ(m.opcodes.count(OpImageSampleImplicitLod), 1u);
    EXPECT_EQ(m.opcodes.count(OpFMul), 1u);
}

} // namespace
