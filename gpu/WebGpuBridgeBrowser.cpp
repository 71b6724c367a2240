// The browser build's WebGPU: each call the program makes through webgpu.h
// (renamed by WebGpuBridgeNames.h) handed on to Emscripten's binding of the
// browser's WebGPU, which speaks an older revision of the interface: labels,
// entry points and code as null-terminated texts, callbacks with one userdata
// pointer, other record layouts, and enumerations numbered otherwise. Values
// are translated by name, never by number.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// The program's declarations, beside the binding's: its types only, in a
// namespace of their own (declared before the binding's, so that none of
// their names means one of the binding's records); the constants are the
// binding's, of the same values.
#define TALLOWICK_WEBGPU_TYPES_ONLY
namespace ours {
#include "webgpu.h"
}
#undef WGPU_WHOLE_SIZE
#undef WGPU_STRLEN
#undef WGPU_DEPTH_SLICE_UNDEFINED
#undef WGPU_COPY_STRIDE_UNDEFINED
#undef WGPU_MIP_LEVEL_COUNT_UNDEFINED
#undef WGPU_ARRAY_LAYER_COUNT_UNDEFINED
#undef WGPU_WHOLE_MAP_SIZE
#undef WGPU_LIMIT_U32_UNDEFINED
#undef WGPU_LIMIT_U64_UNDEFINED

#include <webgpu/webgpu.h>

namespace {

// --- Handles: the same objects under the two declarations -------------------

#define BRIDGE_HANDLE(Type)                                                                        \
    ::WGPU##Type theirs(ours::WGPU##Type handle) {                                                 \
        return reinterpret_cast<::WGPU##Type>(handle);                                             \
    }                                                                                              \
    ours::WGPU##Type ours_(::WGPU##Type handle) {                                                  \
        return reinterpret_cast<ours::WGPU##Type>(handle);                                         \
    }
BRIDGE_HANDLE(Adapter)
BRIDGE_HANDLE(BindGroup)
BRIDGE_HANDLE(BindGroupLayout)
BRIDGE_HANDLE(Buffer)
BRIDGE_HANDLE(CommandBuffer)
BRIDGE_HANDLE(CommandEncoder)
BRIDGE_HANDLE(Device)
BRIDGE_HANDLE(Instance)
BRIDGE_HANDLE(PipelineLayout)
BRIDGE_HANDLE(Queue)
BRIDGE_HANDLE(RenderPassEncoder)
BRIDGE_HANDLE(RenderPipeline)
BRIDGE_HANDLE(Sampler)
BRIDGE_HANDLE(ShaderModule)
BRIDGE_HANDLE(Surface)
BRIDGE_HANDLE(Texture)
BRIDGE_HANDLE(TextureView)
#undef BRIDGE_HANDLE

// --- Texts --------------------------------------------------------------------

// A text as the binding takes it: null-terminated. Views that end with their
// data are handed on as they are; others are copied into `storage`.
const char* text(ours::WGPUStringView view, std::string& storage) {
    if (view.data == nullptr) {
        return nullptr;
    }
    if (view.length == SIZE_MAX) {
        return view.data;
    }
    storage.assign(view.data, view.length);
    return storage.c_str();
}

ours::WGPUStringView view(const char* text) {
    return ours::WGPUStringView{text, text != nullptr ? std::strlen(text) : 0};
}

// --- Enumerations, by name ----------------------------------------------------

template <typename Ours, typename Theirs> struct Name {
    Ours ours;
    Theirs theirs;
};

template <typename Ours, typename Theirs, size_t N>
Theirs toTheirs(const Name<Ours, Theirs> (&names)[N], Ours value, Theirs otherwise) {
    for (const Name<Ours, Theirs>& name : names) {
        if (name.ours == value) {
            return name.theirs;
        }
    }
    return otherwise;
}

template <typename Ours, typename Theirs, size_t N>
Ours toOurs(const Name<Ours, Theirs> (&names)[N], Theirs value, Ours otherwise) {
    for (const Name<Ours, Theirs>& name : names) {
        if (name.theirs == value) {
            return name.ours;
        }
    }
    return otherwise;
}

#define BRIDGE_NAME(Enum, Value)                                                                   \
    { ours::WGPU##Enum##_##Value, ::WGPU##Enum##_##Value }

const Name<ours::WGPUTextureFormat, ::WGPUTextureFormat> kTextureFormats[] = {
    BRIDGE_NAME(TextureFormat, R8Unorm),        BRIDGE_NAME(TextureFormat, RGBA8Unorm),
    BRIDGE_NAME(TextureFormat, RGBA8UnormSrgb), BRIDGE_NAME(TextureFormat, BGRA8Unorm),
    BRIDGE_NAME(TextureFormat, BGRA8UnormSrgb), BRIDGE_NAME(TextureFormat, RGB10A2Unorm),
    BRIDGE_NAME(TextureFormat, RGBA16Float),    BRIDGE_NAME(TextureFormat, RGBA32Float),
};

const Name<ours::WGPUVertexFormat, ::WGPUVertexFormat> kVertexFormats[] = {
    BRIDGE_NAME(VertexFormat, Unorm8x4),  BRIDGE_NAME(VertexFormat, Float32),
    BRIDGE_NAME(VertexFormat, Float32x2), BRIDGE_NAME(VertexFormat, Float32x3),
    BRIDGE_NAME(VertexFormat, Float32x4), BRIDGE_NAME(VertexFormat, Uint32),
};

const Name<ours::WGPUVertexStepMode, ::WGPUVertexStepMode> kStepModes[] = {
    BRIDGE_NAME(VertexStepMode, Vertex),
    BRIDGE_NAME(VertexStepMode, Instance),
};

const Name<ours::WGPUPrimitiveTopology, ::WGPUPrimitiveTopology> kTopologies[] = {
    BRIDGE_NAME(PrimitiveTopology, PointList),     BRIDGE_NAME(PrimitiveTopology, LineList),
    BRIDGE_NAME(PrimitiveTopology, LineStrip),     BRIDGE_NAME(PrimitiveTopology, TriangleList),
    BRIDGE_NAME(PrimitiveTopology, TriangleStrip),
};

const Name<ours::WGPUIndexFormat, ::WGPUIndexFormat> kIndexFormats[] = {
    BRIDGE_NAME(IndexFormat, Uint16),
    BRIDGE_NAME(IndexFormat, Uint32),
};

const Name<ours::WGPUFrontFace, ::WGPUFrontFace> kFrontFaces[] = {
    BRIDGE_NAME(FrontFace, CCW),
    BRIDGE_NAME(FrontFace, CW),
};

const Name<ours::WGPUCullMode, ::WGPUCullMode> kCullModes[] = {
    BRIDGE_NAME(CullMode, None),
    BRIDGE_NAME(CullMode, Front),
    BRIDGE_NAME(CullMode, Back),
};

const Name<ours::WGPUBlendOperation, ::WGPUBlendOperation> kBlendOperations[] = {
    BRIDGE_NAME(BlendOperation, Add),
    BRIDGE_NAME(BlendOperation, Subtract),
    BRIDGE_NAME(BlendOperation, ReverseSubtract),
    BRIDGE_NAME(BlendOperation, Min),
    BRIDGE_NAME(BlendOperation, Max),
};

const Name<ours::WGPUBlendFactor, ::WGPUBlendFactor> kBlendFactors[] = {
    BRIDGE_NAME(BlendFactor, Zero),
    BRIDGE_NAME(BlendFactor, One),
    BRIDGE_NAME(BlendFactor, Src),
    BRIDGE_NAME(BlendFactor, OneMinusSrc),
    BRIDGE_NAME(BlendFactor, SrcAlpha),
    BRIDGE_NAME(BlendFactor, OneMinusSrcAlpha),
    BRIDGE_NAME(BlendFactor, Dst),
    BRIDGE_NAME(BlendFactor, OneMinusDst),
    BRIDGE_NAME(BlendFactor, DstAlpha),
    BRIDGE_NAME(BlendFactor, OneMinusDstAlpha),
    BRIDGE_NAME(BlendFactor, SrcAlphaSaturated),
    BRIDGE_NAME(BlendFactor, Constant),
    BRIDGE_NAME(BlendFactor, OneMinusConstant),
};

const Name<ours::WGPULoadOp, ::WGPULoadOp> kLoadOps[] = {
    BRIDGE_NAME(LoadOp, Clear),
    BRIDGE_NAME(LoadOp, Load),
};

const Name<ours::WGPUStoreOp, ::WGPUStoreOp> kStoreOps[] = {
    BRIDGE_NAME(StoreOp, Store),
    BRIDGE_NAME(StoreOp, Discard),
};

// A binding layout the entry does not use is "undefined" to the binding.
const Name<ours::WGPUBufferBindingType, ::WGPUBufferBindingType> kBufferBindingTypes[] = {
    {ours::WGPUBufferBindingType_BindingNotUsed, ::WGPUBufferBindingType_Undefined},
    {ours::WGPUBufferBindingType_Undefined, ::WGPUBufferBindingType_Uniform},
    BRIDGE_NAME(BufferBindingType, Uniform),
    BRIDGE_NAME(BufferBindingType, Storage),
    BRIDGE_NAME(BufferBindingType, ReadOnlyStorage),
};

const Name<ours::WGPUSamplerBindingType, ::WGPUSamplerBindingType> kSamplerBindingTypes[] = {
    {ours::WGPUSamplerBindingType_BindingNotUsed, ::WGPUSamplerBindingType_Undefined},
    {ours::WGPUSamplerBindingType_Undefined, ::WGPUSamplerBindingType_Filtering},
    BRIDGE_NAME(SamplerBindingType, Filtering),
    BRIDGE_NAME(SamplerBindingType, NonFiltering),
    BRIDGE_NAME(SamplerBindingType, Comparison),
};

const Name<ours::WGPUTextureSampleType, ::WGPUTextureSampleType> kSampleTypes[] = {
    {ours::WGPUTextureSampleType_BindingNotUsed, ::WGPUTextureSampleType_Undefined},
    {ours::WGPUTextureSampleType_Undefined, ::WGPUTextureSampleType_Float},
    BRIDGE_NAME(TextureSampleType, Float),
    BRIDGE_NAME(TextureSampleType, UnfilterableFloat),
    BRIDGE_NAME(TextureSampleType, Depth),
    BRIDGE_NAME(TextureSampleType, Sint),
    BRIDGE_NAME(TextureSampleType, Uint),
};

const Name<ours::WGPUTextureViewDimension, ::WGPUTextureViewDimension> kViewDimensions[] = {
    BRIDGE_NAME(TextureViewDimension, 1D),        BRIDGE_NAME(TextureViewDimension, 2D),
    BRIDGE_NAME(TextureViewDimension, 2DArray),   BRIDGE_NAME(TextureViewDimension, Cube),
    BRIDGE_NAME(TextureViewDimension, CubeArray), BRIDGE_NAME(TextureViewDimension, 3D),
};

const Name<ours::WGPUTextureDimension, ::WGPUTextureDimension> kTextureDimensions[] = {
    BRIDGE_NAME(TextureDimension, 1D),
    BRIDGE_NAME(TextureDimension, 2D),
    BRIDGE_NAME(TextureDimension, 3D),
};

const Name<ours::WGPUTextureAspect, ::WGPUTextureAspect> kAspects[] = {
    BRIDGE_NAME(TextureAspect, All),
    BRIDGE_NAME(TextureAspect, StencilOnly),
    BRIDGE_NAME(TextureAspect, DepthOnly),
};

const Name<ours::WGPUAddressMode, ::WGPUAddressMode> kAddressModes[] = {
    BRIDGE_NAME(AddressMode, ClampToEdge),
    BRIDGE_NAME(AddressMode, Repeat),
    BRIDGE_NAME(AddressMode, MirrorRepeat),
};

const Name<ours::WGPUFilterMode, ::WGPUFilterMode> kFilterModes[] = {
    BRIDGE_NAME(FilterMode, Nearest),
    BRIDGE_NAME(FilterMode, Linear),
};

const Name<ours::WGPUMipmapFilterMode, ::WGPUMipmapFilterMode> kMipmapFilterModes[] = {
    BRIDGE_NAME(MipmapFilterMode, Nearest),
    BRIDGE_NAME(MipmapFilterMode, Linear),
};

const Name<ours::WGPUCompareFunction, ::WGPUCompareFunction> kCompareFunctions[] = {
    BRIDGE_NAME(CompareFunction, Never),        BRIDGE_NAME(CompareFunction, Less),
    BRIDGE_NAME(CompareFunction, Equal),        BRIDGE_NAME(CompareFunction, LessEqual),
    BRIDGE_NAME(CompareFunction, Greater),      BRIDGE_NAME(CompareFunction, NotEqual),
    BRIDGE_NAME(CompareFunction, GreaterEqual), BRIDGE_NAME(CompareFunction, Always),
};

const Name<ours::WGPUPresentMode, ::WGPUPresentMode> kPresentModes[] = {
    BRIDGE_NAME(PresentMode, Fifo),
    BRIDGE_NAME(PresentMode, Immediate),
    BRIDGE_NAME(PresentMode, Mailbox),
};

const Name<ours::WGPUCompositeAlphaMode, ::WGPUCompositeAlphaMode> kAlphaModes[] = {
    BRIDGE_NAME(CompositeAlphaMode, Auto),
    BRIDGE_NAME(CompositeAlphaMode, Opaque),
    BRIDGE_NAME(CompositeAlphaMode, Premultiplied),
    BRIDGE_NAME(CompositeAlphaMode, Unpremultiplied),
    BRIDGE_NAME(CompositeAlphaMode, Inherit),
};

const Name<ours::WGPUBackendType, ::WGPUBackendType> kBackends[] = {
    BRIDGE_NAME(BackendType, Null),   BRIDGE_NAME(BackendType, WebGPU),
    BRIDGE_NAME(BackendType, D3D11),  BRIDGE_NAME(BackendType, D3D12),
    BRIDGE_NAME(BackendType, Metal),  BRIDGE_NAME(BackendType, Vulkan),
    BRIDGE_NAME(BackendType, OpenGL), BRIDGE_NAME(BackendType, OpenGLES),
};

const Name<ours::WGPUPowerPreference, ::WGPUPowerPreference> kPowerPreferences[] = {
    BRIDGE_NAME(PowerPreference, LowPower),
    BRIDGE_NAME(PowerPreference, HighPerformance),
};

const Name<ours::WGPUErrorType, ::WGPUErrorType> kErrorTypes[] = {
    BRIDGE_NAME(ErrorType, NoError),     BRIDGE_NAME(ErrorType, Validation),
    BRIDGE_NAME(ErrorType, OutOfMemory), BRIDGE_NAME(ErrorType, Internal),
    BRIDGE_NAME(ErrorType, Unknown),
};

const Name<ours::WGPURequestAdapterStatus, ::WGPURequestAdapterStatus> kAdapterStatuses[] = {
    BRIDGE_NAME(RequestAdapterStatus, Success),
    BRIDGE_NAME(RequestAdapterStatus, Unavailable),
};

#undef BRIDGE_NAME

// Flags keep their bits in both revisions; only their width differs.
uint32_t flags(ours::WGPUFlags value) {
    return static_cast<uint32_t>(value);
}

// --- Records --------------------------------------------------------------------

::WGPUExtent3D theirs(const ours::WGPUExtent3D& size) {
    return ::WGPUExtent3D{size.width, size.height, size.depthOrArrayLayers};
}

::WGPUBlendComponent theirs(const ours::WGPUBlendComponent& component) {
    ::WGPUBlendComponent result{};
    result.operation = toTheirs(kBlendOperations, component.operation, WGPUBlendOperation_Add);
    result.srcFactor = toTheirs(kBlendFactors, component.srcFactor, WGPUBlendFactor_One);
    result.dstFactor = toTheirs(kBlendFactors, component.dstFactor, WGPUBlendFactor_Zero);
    return result;
}

::WGPUBindGroupLayoutEntry theirs(const ours::WGPUBindGroupLayoutEntry& entry) {
    ::WGPUBindGroupLayoutEntry result{};
    result.binding = entry.binding;
    result.visibility = flags(entry.visibility);
    result.buffer.type =
        toTheirs(kBufferBindingTypes, entry.buffer.type, WGPUBufferBindingType_Undefined);
    result.buffer.hasDynamicOffset = entry.buffer.hasDynamicOffset;
    result.buffer.minBindingSize = entry.buffer.minBindingSize;
    result.sampler.type =
        toTheirs(kSamplerBindingTypes, entry.sampler.type, WGPUSamplerBindingType_Undefined);
    result.texture.sampleType =
        toTheirs(kSampleTypes, entry.texture.sampleType, WGPUTextureSampleType_Undefined);
    if (result.texture.sampleType != WGPUTextureSampleType_Undefined) {
        result.texture.viewDimension =
            toTheirs(kViewDimensions, entry.texture.viewDimension, WGPUTextureViewDimension_2D);
        result.texture.multisampled = entry.texture.multisampled;
    }
    return result;
}

::WGPUBindGroupEntry theirs(const ours::WGPUBindGroupEntry& entry) {
    ::WGPUBindGroupEntry result{};
    result.binding = entry.binding;
    result.buffer = theirs(entry.buffer);
    result.offset = entry.offset;
    result.size = entry.size;
    result.sampler = theirs(entry.sampler);
    result.textureView = theirs(entry.textureView);
    return result;
}

::WGPUVertexAttribute theirs(const ours::WGPUVertexAttribute& attribute) {
    ::WGPUVertexAttribute result{};
    result.format = toTheirs(kVertexFormats, attribute.format, WGPUVertexFormat_Undefined);
    result.offset = attribute.offset;
    result.shaderLocation = attribute.shaderLocation;
    return result;
}

::WGPURenderPassColorAttachment theirs(const ours::WGPURenderPassColorAttachment& attachment) {
    ::WGPURenderPassColorAttachment result{};
    result.view = theirs(attachment.view);
    result.depthSlice = attachment.depthSlice;
    result.resolveTarget = theirs(attachment.resolveTarget);
    result.loadOp = toTheirs(kLoadOps, attachment.loadOp, WGPULoadOp_Undefined);
    result.storeOp = toTheirs(kStoreOps, attachment.storeOp, WGPUStoreOp_Undefined);
    result.clearValue = ::WGPUColor{attachment.clearValue.r, attachment.clearValue.g,
                                    attachment.clearValue.b, attachment.clearValue.a};
    return result;
}

// Copies of a record array, on the stack up to `Capacity` entries.
template <typename Theirs, size_t Capacity> struct Copies {
    Theirs entries[Capacity];
    size_t count = 0;

    template <typename Ours> Copies(const Ours* from, size_t fromCount) {
        count = fromCount < Capacity ? fromCount : Capacity;
        for (size_t i = 0; i < count; ++i) {
            entries[i] = theirs(from[i]);
        }
    }
};

// A pipeline's vertex buffers and their attributes, the colour targets and
// their blend states, and the texts, held while the pipeline is made.
constexpr size_t kMaxVertexBuffers = 8;
constexpr size_t kMaxAttributes = 16;
constexpr size_t kMaxColorTargets = 8;

struct PipelineRecords {
    ::WGPUVertexBufferLayout buffers[kMaxVertexBuffers]{};
    ::WGPUVertexAttribute attributes[kMaxVertexBuffers][kMaxAttributes]{};
    ::WGPUColorTargetState targets[kMaxColorTargets]{};
    ::WGPUBlendState blends[kMaxColorTargets]{};
    ::WGPUFragmentState fragment{};
    std::string label, vertexEntry, fragmentEntry;
};

void translateVertexState(const ours::WGPUVertexState& vertex, ::WGPUVertexState& result,
                          PipelineRecords& records) {
    result.module = theirs(vertex.module);
    result.entryPoint = text(vertex.entryPoint, records.vertexEntry);
    result.bufferCount =
        vertex.bufferCount < kMaxVertexBuffers ? vertex.bufferCount : kMaxVertexBuffers;
    for (size_t i = 0; i < result.bufferCount; ++i) {
        const ours::WGPUVertexBufferLayout& from = vertex.buffers[i];
        ::WGPUVertexBufferLayout& to = records.buffers[i];
        to.arrayStride = from.arrayStride;
        to.stepMode = toTheirs(kStepModes, from.stepMode, WGPUVertexStepMode_Vertex);
        to.attributeCount =
            from.attributeCount < kMaxAttributes ? from.attributeCount : kMaxAttributes;
        for (size_t a = 0; a < to.attributeCount; ++a) {
            records.attributes[i][a] = theirs(from.attributes[a]);
        }
        to.attributes = records.attributes[i];
    }
    result.buffers = records.buffers;
}

const ::WGPUFragmentState* translateFragmentState(const ours::WGPUFragmentState* fragment,
                                                  PipelineRecords& records) {
    if (fragment == nullptr) {
        return nullptr;
    }
    ::WGPUFragmentState& result = records.fragment;
    result.module = theirs(fragment->module);
    result.entryPoint = text(fragment->entryPoint, records.fragmentEntry);
    result.targetCount =
        fragment->targetCount < kMaxColorTargets ? fragment->targetCount : kMaxColorTargets;
    for (size_t i = 0; i < result.targetCount; ++i) {
        const ours::WGPUColorTargetState& from = fragment->targets[i];
        ::WGPUColorTargetState& to = records.targets[i];
        to.format = toTheirs(kTextureFormats, from.format, WGPUTextureFormat_Undefined);
        to.writeMask = flags(from.writeMask);
        if (from.blend != nullptr) {
            records.blends[i].color = theirs(from.blend->color);
            records.blends[i].alpha = theirs(from.blend->alpha);
            to.blend = &records.blends[i];
        }
    }
    result.targets = records.targets;
    return &result;
}

// --- Callbacks -----------------------------------------------------------------

struct AdapterAnswer {
    ours::WGPURequestAdapterCallbackInfo callbackInfo;
};

void answerAdapter(::WGPURequestAdapterStatus status, ::WGPUAdapter adapter, const char* message,
                   void* userdata) {
    auto* answer = static_cast<AdapterAnswer*>(userdata);
    const ours::WGPURequestAdapterCallbackInfo info = answer->callbackInfo;
    delete answer;
    if (info.callback != nullptr) {
        info.callback(toOurs(kAdapterStatuses, status, ours::WGPURequestAdapterStatus_Error),
                      ours_(adapter), view(message), info.userdata1, info.userdata2);
    }
}

// The device's error and loss callbacks live as long as the device: for the
// process (a device lost is never released by the browser's binding either).
struct DeviceAnswer {
    ours::WGPURequestDeviceCallbackInfo callbackInfo;
    ours::WGPUUncapturedErrorCallbackInfo errorCallbackInfo;
    ours::WGPUDeviceLostCallbackInfo lostCallbackInfo;
    ours::WGPUDevice device = nullptr;
};

// The program never destroys a device of the browser's: it only lets go of
// it, which destroys nothing. So every loss the browser reports, "destroyed"
// too (by the page or the browser, from outside), is one the program did not
// cause.
void reportDeviceLoss(::WGPUDeviceLostReason, const char* message, void* userdata) {
    auto* answer = static_cast<DeviceAnswer*>(userdata);
    const ours::WGPUDeviceLostCallbackInfo& info = answer->lostCallbackInfo;
    info.callback(&answer->device, ours::WGPUDeviceLostReason_Unknown, view(message),
                  info.userdata1, info.userdata2);
}

void reportDeviceError(::WGPUErrorType type, const char* message, void* userdata) {
    auto* answer = static_cast<DeviceAnswer*>(userdata);
    const ours::WGPUUncapturedErrorCallbackInfo& info = answer->errorCallbackInfo;
    info.callback(&answer->device, toOurs(kErrorTypes, type, ours::WGPUErrorType_Unknown),
                  view(message), info.userdata1, info.userdata2);
}

void answerDevice(::WGPURequestDeviceStatus status, ::WGPUDevice device, const char* message,
                  void* userdata) {
    auto* answer = static_cast<DeviceAnswer*>(userdata);
    const ours::WGPURequestDeviceCallbackInfo info = answer->callbackInfo;
    const bool made = status == WGPURequestDeviceStatus_Success && device != nullptr;
    const bool watched = answer->errorCallbackInfo.callback != nullptr ||
                         answer->lostCallbackInfo.callback != nullptr;
    if (made && watched) {
        answer->device = ours_(device);
        if (answer->errorCallbackInfo.callback != nullptr) {
            wgpuDeviceSetUncapturedErrorCallback(device, reportDeviceError, answer);
        }
    } else {
        delete answer;
    }
    if (info.callback != nullptr) {
        info.callback(
            made ? ours::WGPURequestDeviceStatus_Success : ours::WGPURequestDeviceStatus_Error,
            made ? ours_(device) : nullptr, view(message), info.userdata1, info.userdata2);
    }
}

} // namespace

// --- The calls ------------------------------------------------------------------

extern "C" {

ours::WGPUInstance tallowickCreateInstance(const ours::WGPUInstanceDescriptor*) {
    return ours_(wgpuCreateInstance(nullptr));
}

void tallowickInstanceRelease(ours::WGPUInstance instance) {
    wgpuInstanceRelease(theirs(instance));
}

ours::WGPUFuture tallowickInstanceRequestAdapter(ours::WGPUInstance instance,
                                                 const ours::WGPURequestAdapterOptions* options,
                                                 ours::WGPURequestAdapterCallbackInfo info) {
    ::WGPURequestAdapterOptions request{};
    if (options != nullptr) {
        request.powerPreference =
            toTheirs(kPowerPreferences, options->powerPreference, WGPUPowerPreference_Undefined);
        request.backendType = toTheirs(kBackends, options->backendType, WGPUBackendType_Undefined);
        request.forceFallbackAdapter = options->forceFallbackAdapter;
        request.compatibilityMode = options->featureLevel == ours::WGPUFeatureLevel_Compatibility;
        request.compatibleSurface = theirs(options->compatibleSurface);
    }
    wgpuInstanceRequestAdapter(theirs(instance), &request, answerAdapter, new AdapterAnswer{info});
    return ours::WGPUFuture{0};
}

ours::WGPUSurface tallowickInstanceCreateSurface(ours::WGPUInstance instance,
                                                 const ours::WGPUSurfaceDescriptor* descriptor) {
    const auto* canvas =
        reinterpret_cast<const ours::WGPUEmscriptenSurfaceSourceCanvasHTMLSelector*>(
            descriptor->nextInChain);
    if (canvas == nullptr ||
        canvas->chain.sType != ours::WGPUSType_EmscriptenSurfaceSourceCanvasHTMLSelector) {
        return nullptr;
    }
    std::string selectorText;
    ::WGPUSurfaceDescriptorFromCanvasHTMLSelector source{};
    source.chain.sType = WGPUSType_SurfaceDescriptorFromCanvasHTMLSelector;
    source.selector = text(canvas->selector, selectorText);
    ::WGPUSurfaceDescriptor surface{};
    surface.nextInChain = &source.chain;
    return ours_(wgpuInstanceCreateSurface(theirs(instance), &surface));
}

ours::WGPUStatus tallowickAdapterGetInfo(ours::WGPUAdapter adapter, ours::WGPUAdapterInfo* info) {
    ::WGPUAdapterInfo theirsInfo{};
    wgpuAdapterGetInfo(theirs(adapter), &theirsInfo);
    *info = ours::WGPUAdapterInfo{};
    info->vendor = view(theirsInfo.vendor);
    info->architecture = view(theirsInfo.architecture);
    info->device = view(theirsInfo.device);
    info->description = view(theirsInfo.description);
    info->backendType = toOurs(kBackends, theirsInfo.backendType, ours::WGPUBackendType_Undefined);
    info->vendorID = theirsInfo.vendorID;
    info->deviceID = theirsInfo.deviceID;
    return ours::WGPUStatus_Success;
}

// The texts are the binding's own, each ending in a null.
void tallowickAdapterInfoFreeMembers(ours::WGPUAdapterInfo info) {
    ::WGPUAdapterInfo theirsInfo{};
    theirsInfo.vendor = info.vendor.data;
    theirsInfo.architecture = info.architecture.data;
    theirsInfo.device = info.device.data;
    theirsInfo.description = info.description.data;
    wgpuAdapterInfoFreeMembers(theirsInfo);
}

void tallowickAdapterRelease(ours::WGPUAdapter adapter) {
    wgpuAdapterRelease(theirs(adapter));
}

ours::WGPUFuture tallowickAdapterRequestDevice(ours::WGPUAdapter adapter,
                                               const ours::WGPUDeviceDescriptor* descriptor,
                                               ours::WGPURequestDeviceCallbackInfo info) {
    auto* answer = new DeviceAnswer{};
    answer->callbackInfo = info;
    std::string label;
    ::WGPUDeviceDescriptor request{};
    if (descriptor != nullptr) {
        answer->errorCallbackInfo = descriptor->uncapturedErrorCallbackInfo;
        answer->lostCallbackInfo = descriptor->deviceLostCallbackInfo;
        request.label = text(descriptor->label, label);
        if (answer->lostCallbackInfo.callback != nullptr) {
            request.deviceLostCallback = reportDeviceLoss;
            request.deviceLostUserdata = answer;
        }
    }
    wgpuAdapterRequestDevice(theirs(adapter), &request, answerDevice, answer);
    return ours::WGPUFuture{0};
}

ours::WGPUQueue tallowickDeviceGetQueue(ours::WGPUDevice device) {
    return ours_(wgpuDeviceGetQueue(theirs(device)));
}

// The browser hands the queue's work on by itself.
void tallowickDeviceTick(ours::WGPUDevice) {}

void tallowickDeviceRelease(ours::WGPUDevice device) {
    wgpuDeviceRelease(theirs(device));
}

ours::WGPUBuffer tallowickDeviceCreateBuffer(ours::WGPUDevice device,
                                             const ours::WGPUBufferDescriptor* descriptor) {
    std::string label;
    ::WGPUBufferDescriptor buffer{};
    buffer.label = text(descriptor->label, label);
    buffer.usage = flags(descriptor->usage);
    buffer.size = descriptor->size;
    buffer.mappedAtCreation = descriptor->mappedAtCreation;
    return ours_(wgpuDeviceCreateBuffer(theirs(device), &buffer));
}

ours::WGPUTexture tallowickDeviceCreateTexture(ours::WGPUDevice device,
                                               const ours::WGPUTextureDescriptor* descriptor) {
    std::string label;
    ::WGPUTextureDescriptor texture{};
    texture.label = text(descriptor->label, label);
    texture.usage = flags(descriptor->usage);
    texture.dimension =
        toTheirs(kTextureDimensions, descriptor->dimension, WGPUTextureDimension_2D);
    texture.size = theirs(descriptor->size);
    texture.format = toTheirs(kTextureFormats, descriptor->format, WGPUTextureFormat_Undefined);
    texture.mipLevelCount = descriptor->mipLevelCount;
    texture.sampleCount = descriptor->sampleCount;
    return ours_(wgpuDeviceCreateTexture(theirs(device), &texture));
}

ours::WGPUSampler tallowickDeviceCreateSampler(ours::WGPUDevice device,
                                               const ours::WGPUSamplerDescriptor* descriptor) {
    if (descriptor == nullptr) {
        return ours_(wgpuDeviceCreateSampler(theirs(device), nullptr));
    }
    std::string label;
    ::WGPUSamplerDescriptor sampler{};
    sampler.label = text(descriptor->label, label);
    sampler.addressModeU =
        toTheirs(kAddressModes, descriptor->addressModeU, WGPUAddressMode_ClampToEdge);
    sampler.addressModeV =
        toTheirs(kAddressModes, descriptor->addressModeV, WGPUAddressMode_ClampToEdge);
    sampler.addressModeW =
        toTheirs(kAddressModes, descriptor->addressModeW, WGPUAddressMode_ClampToEdge);
    sampler.magFilter = toTheirs(kFilterModes, descriptor->magFilter, WGPUFilterMode_Nearest);
    sampler.minFilter = toTheirs(kFilterModes, descriptor->minFilter, WGPUFilterMode_Nearest);
    sampler.mipmapFilter =
        toTheirs(kMipmapFilterModes, descriptor->mipmapFilter, WGPUMipmapFilterMode_Nearest);
    sampler.lodMinClamp = descriptor->lodMinClamp;
    sampler.lodMaxClamp = descriptor->lodMaxClamp;
    sampler.compare =
        toTheirs(kCompareFunctions, descriptor->compare, WGPUCompareFunction_Undefined);
    sampler.maxAnisotropy = descriptor->maxAnisotropy;
    return ours_(wgpuDeviceCreateSampler(theirs(device), &sampler));
}

// The browser takes WGSL alone; any other source makes no module.
ours::WGPUShaderModule
tallowickDeviceCreateShaderModule(ours::WGPUDevice device,
                                  const ours::WGPUShaderModuleDescriptor* descriptor) {
    const auto* wgsl = reinterpret_cast<const ours::WGPUShaderSourceWGSL*>(descriptor->nextInChain);
    if (wgsl == nullptr || wgsl->chain.sType != ours::WGPUSType_ShaderSourceWGSL) {
        return nullptr;
    }
    std::string label;
    std::string code;
    ::WGPUShaderModuleWGSLDescriptor source{};
    source.chain.sType = WGPUSType_ShaderModuleWGSLDescriptor;
    source.code = text(wgsl->code, code);
    ::WGPUShaderModuleDescriptor module{};
    module.nextInChain = &source.chain;
    module.label = text(descriptor->label, label);
    return ours_(wgpuDeviceCreateShaderModule(theirs(device), &module));
}

ours::WGPUBindGroupLayout
tallowickDeviceCreateBindGroupLayout(ours::WGPUDevice device,
                                     const ours::WGPUBindGroupLayoutDescriptor* descriptor) {
    std::string label;
    Copies<::WGPUBindGroupLayoutEntry, 16> entries(descriptor->entries, descriptor->entryCount);
    ::WGPUBindGroupLayoutDescriptor layout{};
    layout.label = text(descriptor->label, label);
    layout.entryCount = entries.count;
    layout.entries = entries.entries;
    return ours_(wgpuDeviceCreateBindGroupLayout(theirs(device), &layout));
}

ours::WGPUBindGroup
tallowickDeviceCreateBindGroup(ours::WGPUDevice device,
                               const ours::WGPUBindGroupDescriptor* descriptor) {
    std::string label;
    Copies<::WGPUBindGroupEntry, 16> entries(descriptor->entries, descriptor->entryCount);
    ::WGPUBindGroupDescriptor group{};
    group.label = text(descriptor->label, label);
    group.layout = theirs(descriptor->layout);
    group.entryCount = entries.count;
    group.entries = entries.entries;
    return ours_(wgpuDeviceCreateBindGroup(theirs(device), &group));
}

ours::WGPUPipelineLayout
tallowickDeviceCreatePipelineLayout(ours::WGPUDevice device,
                                    const ours::WGPUPipelineLayoutDescriptor* descriptor) {
    constexpr size_t kMaxGroups = 8;
    ::WGPUBindGroupLayout groups[kMaxGroups]{};
    const size_t count = descriptor->bindGroupLayoutCount < kMaxGroups
                             ? descriptor->bindGroupLayoutCount
                             : kMaxGroups;
    for (size_t i = 0; i < count; ++i) {
        groups[i] = theirs(descriptor->bindGroupLayouts[i]);
    }
    std::string label;
    ::WGPUPipelineLayoutDescriptor layout{};
    layout.label = text(descriptor->label, label);
    layout.bindGroupLayoutCount = count;
    layout.bindGroupLayouts = groups;
    return ours_(wgpuDeviceCreatePipelineLayout(theirs(device), &layout));
}

ours::WGPURenderPipeline
tallowickDeviceCreateRenderPipeline(ours::WGPUDevice device,
                                    const ours::WGPURenderPipelineDescriptor* descriptor) {
    PipelineRecords records;
    ::WGPURenderPipelineDescriptor pipeline{};
    pipeline.label = text(descriptor->label, records.label);
    pipeline.layout = theirs(descriptor->layout);
    translateVertexState(descriptor->vertex, pipeline.vertex, records);
    const ours::WGPUPrimitiveState& primitive = descriptor->primitive;
    pipeline.primitive.topology =
        toTheirs(kTopologies, primitive.topology, WGPUPrimitiveTopology_TriangleList);
    pipeline.primitive.stripIndexFormat =
        toTheirs(kIndexFormats, primitive.stripIndexFormat, WGPUIndexFormat_Undefined);
    pipeline.primitive.frontFace = toTheirs(kFrontFaces, primitive.frontFace, WGPUFrontFace_CCW);
    pipeline.primitive.cullMode = toTheirs(kCullModes, primitive.cullMode, WGPUCullMode_None);
    pipeline.multisample.count = descriptor->multisample.count;
    pipeline.multisample.mask = descriptor->multisample.mask;
    pipeline.multisample.alphaToCoverageEnabled = descriptor->multisample.alphaToCoverageEnabled;
    pipeline.fragment = translateFragmentState(descriptor->fragment, records);
    return ours_(wgpuDeviceCreateRenderPipeline(theirs(device), &pipeline));
}

ours::WGPUCommandEncoder
tallowickDeviceCreateCommandEncoder(ours::WGPUDevice device,
                                    const ours::WGPUCommandEncoderDescriptor* descriptor) {
    std::string label;
    ::WGPUCommandEncoderDescriptor encoder{};
    encoder.label = descriptor != nullptr ? text(descriptor->label, label) : nullptr;
    return ours_(wgpuDeviceCreateCommandEncoder(theirs(device), &encoder));
}

void tallowickQueueWriteBuffer(ours::WGPUQueue queue, ours::WGPUBuffer buffer, uint64_t offset,
                               const void* data, size_t size) {
    wgpuQueueWriteBuffer(theirs(queue), theirs(buffer), offset, data, size);
}

void tallowickQueueSubmit(ours::WGPUQueue queue, size_t count,
                          const ours::WGPUCommandBuffer* commands) {
    wgpuQueueSubmit(theirs(queue), count, reinterpret_cast<const ::WGPUCommandBuffer*>(commands));
}

void tallowickQueueRelease(ours::WGPUQueue queue) {
    wgpuQueueRelease(theirs(queue));
}

ours::WGPURenderPassEncoder
tallowickCommandEncoderBeginRenderPass(ours::WGPUCommandEncoder encoder,
                                       const ours::WGPURenderPassDescriptor* descriptor) {
    std::string label;
    Copies<::WGPURenderPassColorAttachment, kMaxColorTargets> attachments(
        descriptor->colorAttachments, descriptor->colorAttachmentCount);
    ::WGPURenderPassDescriptor pass{};
    pass.label = text(descriptor->label, label);
    pass.colorAttachmentCount = attachments.count;
    pass.colorAttachments = attachments.entries;
    return ours_(wgpuCommandEncoderBeginRenderPass(theirs(encoder), &pass));
}

void tallowickCommandEncoderCopyBufferToTexture(ours::WGPUCommandEncoder encoder,
                                                const ours::WGPUTexelCopyBufferInfo* source,
                                                const ours::WGPUTexelCopyTextureInfo* destination,
                                                const ours::WGPUExtent3D* size) {
    ::WGPUImageCopyBuffer from{};
    from.layout.offset = source->layout.offset;
    from.layout.bytesPerRow = source->layout.bytesPerRow;
    from.layout.rowsPerImage = source->layout.rowsPerImage;
    from.buffer = theirs(source->buffer);
    ::WGPUImageCopyTexture to{};
    to.texture = theirs(destination->texture);
    to.mipLevel = destination->mipLevel;
    to.origin = ::WGPUOrigin3D{destination->origin.x, destination->origin.y, destination->origin.z};
    to.aspect = toTheirs(kAspects, destination->aspect, WGPUTextureAspect_All);
    const ::WGPUExtent3D extent = theirs(*size);
    wgpuCommandEncoderCopyBufferToTexture(theirs(encoder), &from, &to, &extent);
}

ours::WGPUCommandBuffer tallowickCommandEncoderFinish(ours::WGPUCommandEncoder encoder,
                                                      const ours::WGPUCommandBufferDescriptor*) {
    return ours_(wgpuCommandEncoderFinish(theirs(encoder), nullptr));
}

void tallowickCommandEncoderRelease(ours::WGPUCommandEncoder encoder) {
    wgpuCommandEncoderRelease(theirs(encoder));
}

void tallowickCommandBufferRelease(ours::WGPUCommandBuffer commands) {
    wgpuCommandBufferRelease(theirs(commands));
}

void tallowickRenderPassEncoderSetPipeline(ours::WGPURenderPassEncoder pass,
                                           ours::WGPURenderPipeline pipeline) {
    wgpuRenderPassEncoderSetPipeline(theirs(pass), theirs(pipeline));
}

void tallowickRenderPassEncoderSetBindGroup(ours::WGPURenderPassEncoder pass, uint32_t index,
                                            ours::WGPUBindGroup group, size_t offsetCount,
                                            const uint32_t* offsets) {
    wgpuRenderPassEncoderSetBindGroup(theirs(pass), index, theirs(group), offsetCount, offsets);
}

void tallowickRenderPassEncoderSetVertexBuffer(ours::WGPURenderPassEncoder pass, uint32_t slot,
                                               ours::WGPUBuffer buffer, uint64_t offset,
                                               uint64_t size) {
    wgpuRenderPassEncoderSetVertexBuffer(theirs(pass), slot, theirs(buffer), offset, size);
}

void tallowickRenderPassEncoderSetIndexBuffer(ours::WGPURenderPassEncoder pass,
                                              ours::WGPUBuffer buffer, ours::WGPUIndexFormat format,
                                              uint64_t offset, uint64_t size) {
    wgpuRenderPassEncoderSetIndexBuffer(theirs(pass), theirs(buffer),
                                        toTheirs(kIndexFormats, format, WGPUIndexFormat_Undefined),
                                        offset, size);
}

void tallowickRenderPassEncoderSetViewport(ours::WGPURenderPassEncoder pass, float x, float y,
                                           float width, float height, float minDepth,
                                           float maxDepth) {
    wgpuRenderPassEncoderSetViewport(theirs(pass), x, y, width, height, minDepth, maxDepth);
}

void tallowickRenderPassEncoderSetScissorRect(ours::WGPURenderPassEncoder pass, uint32_t x,
                                              uint32_t y, uint32_t width, uint32_t height) {
    wgpuRenderPassEncoderSetScissorRect(theirs(pass), x, y, width, height);
}

void tallowickRenderPassEncoderSetBlendConstant(ours::WGPURenderPassEncoder pass,
                                                const ours::WGPUColor* color) {
    const ::WGPUColor constant{color->r, color->g, color->b, color->a};
    wgpuRenderPassEncoderSetBlendConstant(theirs(pass), &constant);
}

void tallowickRenderPassEncoderDrawIndexed(ours::WGPURenderPassEncoder pass, uint32_t indexCount,
                                           uint32_t instanceCount, uint32_t firstIndex,
                                           int32_t baseVertex, uint32_t firstInstance) {
    wgpuRenderPassEncoderDrawIndexed(theirs(pass), indexCount, instanceCount, firstIndex,
                                     baseVertex, firstInstance);
}

void tallowickRenderPassEncoderEnd(ours::WGPURenderPassEncoder pass) {
    wgpuRenderPassEncoderEnd(theirs(pass));
}

void tallowickRenderPassEncoderRelease(ours::WGPURenderPassEncoder pass) {
    wgpuRenderPassEncoderRelease(theirs(pass));
}

// The formats, present modes and alpha modes the canvas offers, in the
// program's numbers; the binding's lists are constant, and so are these.
// Of the formats, only the browser's preferred one
// (navigator.gpu.getPreferredCanvasFormat()): the binding lists the others
// too, but browsers advise the preferred one, and Firefox (153 on Linux)
// crashes a few frames after a canvas is configured as rgba8unorm where it
// prefers bgra8unorm.
ours::WGPUStatus tallowickSurfaceGetCapabilities(ours::WGPUSurface surface,
                                                 ours::WGPUAdapter adapter,
                                                 ours::WGPUSurfaceCapabilities* capabilities) {
    constexpr size_t kMaxModes = 8;
    static ours::WGPUTextureFormat formats[kMaxModes];
    static ours::WGPUPresentMode presentModes[kMaxModes];
    static ours::WGPUCompositeAlphaMode alphaModes[kMaxModes];
    ::WGPUSurfaceCapabilities offered{};
    wgpuSurfaceGetCapabilities(theirs(surface), theirs(adapter), &offered);
    *capabilities = ours::WGPUSurfaceCapabilities{};
    capabilities->usages = ours::WGPUTextureUsage_RenderAttachment;
    const ours::WGPUTextureFormat preferred =
        toOurs(kTextureFormats, wgpuSurfaceGetPreferredFormat(theirs(surface), theirs(adapter)),
               ours::WGPUTextureFormat_Undefined);
    if (preferred != ours::WGPUTextureFormat_Undefined) {
        formats[capabilities->formatCount++] = preferred;
    }
    for (size_t i = 0; i < offered.presentModeCount && i < kMaxModes; ++i) {
        presentModes[capabilities->presentModeCount++] =
            toOurs(kPresentModes, offered.presentModes[i], ours::WGPUPresentMode_Fifo);
    }
    for (size_t i = 0; i < offered.alphaModeCount && i < kMaxModes; ++i) {
        alphaModes[capabilities->alphaModeCount++] =
            toOurs(kAlphaModes, offered.alphaModes[i], ours::WGPUCompositeAlphaMode_Auto);
    }
    capabilities->formats = formats;
    capabilities->presentModes = presentModes;
    capabilities->alphaModes = alphaModes;
    wgpuSurfaceCapabilitiesFreeMembers(offered);
    return ours::WGPUStatus_Success;
}

void tallowickSurfaceCapabilitiesFreeMembers(ours::WGPUSurfaceCapabilities) {}

void tallowickSurfaceConfigure(ours::WGPUSurface surface,
                               const ours::WGPUSurfaceConfiguration* configuration) {
    ::WGPUSurfaceConfiguration canvas{};
    canvas.device = theirs(configuration->device);
    canvas.format = toTheirs(kTextureFormats, configuration->format, WGPUTextureFormat_Undefined);
    canvas.usage = flags(configuration->usage);
    canvas.alphaMode = toTheirs(kAlphaModes, configuration->alphaMode, WGPUCompositeAlphaMode_Auto);
    canvas.width = configuration->width;
    canvas.height = configuration->height;
    canvas.presentMode = toTheirs(kPresentModes, configuration->presentMode, WGPUPresentMode_Fifo);
    wgpuSurfaceConfigure(theirs(surface), &canvas);
}

void tallowickSurfaceUnconfigure(ours::WGPUSurface surface) {
    wgpuSurfaceUnconfigure(theirs(surface));
}

void tallowickSurfaceGetCurrentTexture(ours::WGPUSurface surface,
                                       ours::WGPUSurfaceTexture* surfaceTexture) {
    ::WGPUSurfaceTexture current{};
    wgpuSurfaceGetCurrentTexture(theirs(surface), &current);
    *surfaceTexture = ours::WGPUSurfaceTexture{};
    surfaceTexture->texture = ours_(current.texture);
    switch (current.status) {
    case WGPUSurfaceGetCurrentTextureStatus_Success:
        surfaceTexture->status = current.suboptimal
                                     ? ours::WGPUSurfaceGetCurrentTextureStatus_SuccessSuboptimal
                                     : ours::WGPUSurfaceGetCurrentTextureStatus_SuccessOptimal;
        break;
    case WGPUSurfaceGetCurrentTextureStatus_Timeout:
        surfaceTexture->status = ours::WGPUSurfaceGetCurrentTextureStatus_Timeout;
        break;
    case WGPUSurfaceGetCurrentTextureStatus_Outdated:
        surfaceTexture->status = ours::WGPUSurfaceGetCurrentTextureStatus_Outdated;
        break;
    case WGPUSurfaceGetCurrentTextureStatus_Lost:
        surfaceTexture->status = ours::WGPUSurfaceGetCurrentTextureStatus_Lost;
        break;
    default:
        surfaceTexture->status = ours::WGPUSurfaceGetCurrentTextureStatus_Error;
        break;
    }
}

// The browser shows the canvas's texture when the frame hands control back to
// it; there is nothing to present before that.
void tallowickSurfacePresent(ours::WGPUSurface) {}

void tallowickSurfaceAddRef(ours::WGPUSurface surface) {
    wgpuSurfaceReference(theirs(surface));
}

void tallowickSurfaceRelease(ours::WGPUSurface surface) {
    wgpuSurfaceRelease(theirs(surface));
}

ours::WGPUTextureView
tallowickTextureCreateView(ours::WGPUTexture texture,
                           const ours::WGPUTextureViewDescriptor* descriptor) {
    if (descriptor == nullptr) {
        return ours_(wgpuTextureCreateView(theirs(texture), nullptr));
    }
    std::string label;
    ::WGPUTextureViewDescriptor view{};
    view.label = text(descriptor->label, label);
    view.format = toTheirs(kTextureFormats, descriptor->format, WGPUTextureFormat_Undefined);
    view.dimension =
        toTheirs(kViewDimensions, descriptor->dimension, WGPUTextureViewDimension_Undefined);
    view.baseMipLevel = descriptor->baseMipLevel;
    view.mipLevelCount = descriptor->mipLevelCount;
    view.baseArrayLayer = descriptor->baseArrayLayer;
    view.arrayLayerCount = descriptor->arrayLayerCount;
    view.aspect = toTheirs(kAspects, descriptor->aspect, WGPUTextureAspect_All);
    return ours_(wgpuTextureCreateView(theirs(texture), &view));
}

#define BRIDGE_RELEASE(Type)                                                                       \
    void tallowick##Type##Release(ours::WGPU##Type object) {                                       \
        wgpu##Type##Release(theirs(object));                                                       \
    }
BRIDGE_RELEASE(BindGroup)
BRIDGE_RELEASE(BindGroupLayout)
BRIDGE_RELEASE(Buffer)
BRIDGE_RELEASE(PipelineLayout)
BRIDGE_RELEASE(RenderPipeline)
BRIDGE_RELEASE(Sampler)
BRIDGE_RELEASE(ShaderModule)
BRIDGE_RELEASE(Texture)
BRIDGE_RELEASE(TextureView)
#undef BRIDGE_RELEASE

} // extern "C"
