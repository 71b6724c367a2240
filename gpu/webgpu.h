/* Declarations of the WebGPU C interface of the pinned WebGPU library
 * (Dawn, as shipped in node_modules/bun-webgpu-linux-x64/libwebgpu_wrapper.so).
 * The library ships no header; these declarations match its binary layout
 * on x86-64 Linux, and the static assertions at the end of the type
 * declarations fail the build if a layout is wrong. */
#ifndef TALLOWICK_GPU_WEBGPU_H_
#define TALLOWICK_GPU_WEBGPU_H_

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Constants */
#define WGPU_WHOLE_SIZE (UINT64_MAX)
#define WGPU_STRLEN (SIZE_MAX)
#define WGPU_DEPTH_SLICE_UNDEFINED (UINT32_MAX)
#define WGPU_COPY_STRIDE_UNDEFINED (UINT32_MAX)
#define WGPU_MIP_LEVEL_COUNT_UNDEFINED (UINT32_MAX)
#define WGPU_ARRAY_LAYER_COUNT_UNDEFINED (UINT32_MAX)
#define WGPU_WHOLE_MAP_SIZE (SIZE_MAX)
#define WGPU_LIMIT_U32_UNDEFINED (UINT32_MAX)
#define WGPU_LIMIT_U64_UNDEFINED (UINT64_MAX)

/* Basic types */
typedef uint32_t WGPUBool;
typedef uint64_t WGPUFlags;

/* Object handles */
typedef struct WGPUAdapterImpl* WGPUAdapter;
typedef struct WGPUBindGroupImpl* WGPUBindGroup;
typedef struct WGPUBindGroupLayoutImpl* WGPUBindGroupLayout;
typedef struct WGPUBufferImpl* WGPUBuffer;
typedef struct WGPUCommandBufferImpl* WGPUCommandBuffer;
typedef struct WGPUCommandEncoderImpl* WGPUCommandEncoder;
typedef struct WGPUDeviceImpl* WGPUDevice;
typedef struct WGPUInstanceImpl* WGPUInstance;
typedef struct WGPUPipelineLayoutImpl* WGPUPipelineLayout;
typedef struct WGPUQuerySetImpl* WGPUQuerySet;
typedef struct WGPUQueueImpl* WGPUQueue;
typedef struct WGPURenderPassEncoderImpl* WGPURenderPassEncoder;
typedef struct WGPURenderPipelineImpl* WGPURenderPipeline;
typedef struct WGPUSamplerImpl* WGPUSampler;
typedef struct WGPUShaderModuleImpl* WGPUShaderModule;
typedef struct WGPUSurfaceImpl* WGPUSurface;
typedef struct WGPUTextureImpl* WGPUTexture;
typedef struct WGPUTextureViewImpl* WGPUTextureView;

/* Structs: forward declarations */
typedef struct WGPUAdapterInfo WGPUAdapterInfo;
typedef struct WGPUBindGroupDescriptor WGPUBindGroupDescriptor;
typedef struct WGPUBindGroupEntry WGPUBindGroupEntry;
typedef struct WGPUBindGroupLayoutDescriptor WGPUBindGroupLayoutDescriptor;
typedef struct WGPUBindGroupLayoutEntry WGPUBindGroupLayoutEntry;
typedef struct WGPUBlendComponent WGPUBlendComponent;
typedef struct WGPUBlendState WGPUBlendState;
typedef struct WGPUBufferBindingLayout WGPUBufferBindingLayout;
typedef struct WGPUBufferDescriptor WGPUBufferDescriptor;
typedef struct WGPUBufferMapCallbackInfo WGPUBufferMapCallbackInfo;
typedef struct WGPUChainedStruct WGPUChainedStruct;
typedef struct WGPUColor WGPUColor;
typedef struct WGPUColorTargetState WGPUColorTargetState;
typedef struct WGPUCommandBufferDescriptor WGPUCommandBufferDescriptor;
typedef struct WGPUCommandEncoderDescriptor WGPUCommandEncoderDescriptor;
typedef struct WGPUConstantEntry WGPUConstantEntry;
typedef struct WGPUDepthStencilState WGPUDepthStencilState;
typedef struct WGPUDeviceDescriptor WGPUDeviceDescriptor;
typedef struct WGPUDeviceLostCallbackInfo WGPUDeviceLostCallbackInfo;
typedef struct WGPUExtent3D WGPUExtent3D;
typedef struct WGPUFragmentState WGPUFragmentState;
typedef struct WGPUFuture WGPUFuture;
typedef struct WGPUFutureWaitInfo WGPUFutureWaitInfo;
typedef struct WGPUInstanceDescriptor WGPUInstanceDescriptor;
typedef struct WGPULimits WGPULimits;
typedef struct WGPUMultisampleState WGPUMultisampleState;
typedef struct WGPUOrigin3D WGPUOrigin3D;
typedef struct WGPUPassTimestampWrites WGPUPassTimestampWrites;
typedef struct WGPUPipelineLayoutDescriptor WGPUPipelineLayoutDescriptor;
typedef struct WGPUPopErrorScopeCallbackInfo WGPUPopErrorScopeCallbackInfo;
typedef struct WGPUPrimitiveState WGPUPrimitiveState;
typedef struct WGPUQueueDescriptor WGPUQueueDescriptor;
typedef struct WGPUQueueWorkDoneCallbackInfo WGPUQueueWorkDoneCallbackInfo;
typedef struct WGPURenderPassColorAttachment WGPURenderPassColorAttachment;
typedef struct WGPURenderPassDepthStencilAttachment WGPURenderPassDepthStencilAttachment;
typedef struct WGPURenderPassDescriptor WGPURenderPassDescriptor;
typedef struct WGPURenderPipelineDescriptor WGPURenderPipelineDescriptor;
typedef struct WGPURequestAdapterCallbackInfo WGPURequestAdapterCallbackInfo;
typedef struct WGPURequestAdapterOptions WGPURequestAdapterOptions;
typedef struct WGPURequestDeviceCallbackInfo WGPURequestDeviceCallbackInfo;
typedef struct WGPUSamplerBindingLayout WGPUSamplerBindingLayout;
typedef struct WGPUSamplerDescriptor WGPUSamplerDescriptor;
typedef struct WGPUShaderModuleDescriptor WGPUShaderModuleDescriptor;
typedef struct WGPUShaderSourceSPIRV WGPUShaderSourceSPIRV;
typedef struct WGPUShaderSourceWGSL WGPUShaderSourceWGSL;
typedef struct WGPUStencilFaceState WGPUStencilFaceState;
typedef struct WGPUStorageTextureBindingLayout WGPUStorageTextureBindingLayout;
typedef struct WGPUStringView WGPUStringView;
typedef struct WGPUSurfaceCapabilities WGPUSurfaceCapabilities;
typedef struct WGPUSurfaceConfiguration WGPUSurfaceConfiguration;
typedef struct WGPUSurfaceDescriptor WGPUSurfaceDescriptor;
typedef struct WGPUSurfaceSourceXlibWindow WGPUSurfaceSourceXlibWindow;
typedef struct WGPUSurfaceSourceWindowsHWND WGPUSurfaceSourceWindowsHWND;
typedef struct WGPUEmscriptenSurfaceSourceCanvasHTMLSelector
    WGPUEmscriptenSurfaceSourceCanvasHTMLSelector;
typedef struct WGPUSurfaceTexture WGPUSurfaceTexture;
typedef struct WGPUTexelCopyBufferInfo WGPUTexelCopyBufferInfo;
typedef struct WGPUTexelCopyBufferLayout WGPUTexelCopyBufferLayout;
typedef struct WGPUTexelCopyTextureInfo WGPUTexelCopyTextureInfo;
typedef struct WGPUTextureBindingLayout WGPUTextureBindingLayout;
typedef struct WGPUTextureDescriptor WGPUTextureDescriptor;
typedef struct WGPUTextureViewDescriptor WGPUTextureViewDescriptor;
typedef struct WGPUUncapturedErrorCallbackInfo WGPUUncapturedErrorCallbackInfo;
typedef struct WGPUVertexAttribute WGPUVertexAttribute;
typedef struct WGPUVertexBufferLayout WGPUVertexBufferLayout;
typedef struct WGPUVertexState WGPUVertexState;

/* Enums */
typedef enum WGPUBackendType {
    WGPUBackendType_Undefined = 0x00000000,
    WGPUBackendType_Null = 0x00000001,
    WGPUBackendType_WebGPU = 0x00000002,
    WGPUBackendType_D3D11 = 0x00000003,
    WGPUBackendType_D3D12 = 0x00000004,
    WGPUBackendType_Metal = 0x00000005,
    WGPUBackendType_Vulkan = 0x00000006,
    WGPUBackendType_OpenGL = 0x00000007,
    WGPUBackendType_OpenGLES = 0x00000008,
    WGPUBackendType_Force32 = 0x7FFFFFFF
} WGPUBackendType;

typedef enum WGPUAdapterType {
    WGPUAdapterType_DiscreteGPU = 0x00000001,
    WGPUAdapterType_IntegratedGPU = 0x00000002,
    WGPUAdapterType_CPU = 0x00000003,
    WGPUAdapterType_Unknown = 0x00000004,
    WGPUAdapterType_Force32 = 0x7FFFFFFF
} WGPUAdapterType;

typedef enum WGPUFeatureLevel {
    WGPUFeatureLevel_Undefined = 0x00000000,
    WGPUFeatureLevel_Compatibility = 0x00000001,
    WGPUFeatureLevel_Core = 0x00000002,
    WGPUFeatureLevel_Force32 = 0x7FFFFFFF
} WGPUFeatureLevel;

typedef enum WGPUPowerPreference {
    WGPUPowerPreference_Undefined = 0x00000000,
    WGPUPowerPreference_LowPower = 0x00000001,
    WGPUPowerPreference_HighPerformance = 0x00000002,
    WGPUPowerPreference_Force32 = 0x7FFFFFFF
} WGPUPowerPreference;

typedef enum WGPUSType {
    WGPUSType_ShaderSourceSPIRV = 0x00000001,
    WGPUSType_ShaderSourceWGSL = 0x00000002,
    WGPUSType_SurfaceSourceWindowsHWND = 0x00000005,
    WGPUSType_SurfaceSourceXlibWindow = 0x00000006,
    WGPUSType_SurfaceSourceWaylandSurface = 0x00000007,
    WGPUSType_SurfaceSourceXCBWindow = 0x00000009,
    WGPUSType_EmscriptenSurfaceSourceCanvasHTMLSelector = 0x00040000,
    WGPUSType_Force32 = 0x7FFFFFFF
} WGPUSType;

typedef enum WGPUCallbackMode {
    WGPUCallbackMode_WaitAnyOnly = 0x00000001,
    WGPUCallbackMode_AllowProcessEvents = 0x00000002,
    WGPUCallbackMode_AllowSpontaneous = 0x00000003,
    WGPUCallbackMode_Force32 = 0x7FFFFFFF
} WGPUCallbackMode;

typedef enum WGPURequestAdapterStatus {
    WGPURequestAdapterStatus_Success = 0x00000001,
    WGPURequestAdapterStatus_CallbackCancelled = 0x00000002,
    WGPURequestAdapterStatus_Unavailable = 0x00000003,
    WGPURequestAdapterStatus_Error = 0x00000004,
    WGPURequestAdapterStatus_Force32 = 0x7FFFFFFF
} WGPURequestAdapterStatus;

typedef enum WGPURequestDeviceStatus {
    WGPURequestDeviceStatus_Success = 0x00000001,
    WGPURequestDeviceStatus_CallbackCancelled = 0x00000002,
    WGPURequestDeviceStatus_Error = 0x00000003,
    WGPURequestDeviceStatus_Force32 = 0x7FFFFFFF
} WGPURequestDeviceStatus;

typedef enum WGPUErrorType {
    WGPUErrorType_NoError = 0x00000001,
    WGPUErrorType_Validation = 0x00000002,
    WGPUErrorType_OutOfMemory = 0x00000003,
    WGPUErrorType_Internal = 0x00000004,
    WGPUErrorType_Unknown = 0x00000005,
    WGPUErrorType_Force32 = 0x7FFFFFFF
} WGPUErrorType;

typedef enum WGPUErrorFilter {
    WGPUErrorFilter_Validation = 0x00000001,
    WGPUErrorFilter_OutOfMemory = 0x00000002,
    WGPUErrorFilter_Internal = 0x00000003,
    WGPUErrorFilter_Force32 = 0x7FFFFFFF
} WGPUErrorFilter;

typedef enum WGPUDeviceLostReason {
    WGPUDeviceLostReason_Unknown = 0x00000001,
    WGPUDeviceLostReason_Destroyed = 0x00000002,
    WGPUDeviceLostReason_CallbackCancelled = 0x00000003,
    WGPUDeviceLostReason_FailedCreation = 0x00000004,
    WGPUDeviceLostReason_Force32 = 0x7FFFFFFF
} WGPUDeviceLostReason;

typedef enum WGPUSurfaceGetCurrentTextureStatus {
    WGPUSurfaceGetCurrentTextureStatus_SuccessOptimal = 0x00000001,
    WGPUSurfaceGetCurrentTextureStatus_SuccessSuboptimal = 0x00000002,
    WGPUSurfaceGetCurrentTextureStatus_Timeout = 0x00000003,
    WGPUSurfaceGetCurrentTextureStatus_Outdated = 0x00000004,
    WGPUSurfaceGetCurrentTextureStatus_Lost = 0x00000005,
    WGPUSurfaceGetCurrentTextureStatus_Error = 0x00000006,
    WGPUSurfaceGetCurrentTextureStatus_Force32 = 0x7FFFFFFF
} WGPUSurfaceGetCurrentTextureStatus;

typedef enum WGPUPresentMode {
    WGPUPresentMode_Undefined = 0x00000000,
    WGPUPresentMode_Fifo = 0x00000001,
    WGPUPresentMode_FifoRelaxed = 0x00000002,
    WGPUPresentMode_Immediate = 0x00000003,
    WGPUPresentMode_Mailbox = 0x00000004,
    WGPUPresentMode_Force32 = 0x7FFFFFFF
} WGPUPresentMode;

typedef enum WGPUCompositeAlphaMode {
    WGPUCompositeAlphaMode_Auto = 0x00000000,
    WGPUCompositeAlphaMode_Opaque = 0x00000001,
    WGPUCompositeAlphaMode_Premultiplied = 0x00000002,
    WGPUCompositeAlphaMode_Unpremultiplied = 0x00000003,
    WGPUCompositeAlphaMode_Inherit = 0x00000004,
    WGPUCompositeAlphaMode_Force32 = 0x7FFFFFFF
} WGPUCompositeAlphaMode;

typedef enum WGPULoadOp {
    WGPULoadOp_Undefined = 0x00000000,
    WGPULoadOp_Load = 0x00000001,
    WGPULoadOp_Clear = 0x00000002,
    WGPULoadOp_ExpandResolveTexture = 0x00050003,
    WGPULoadOp_Force32 = 0x7FFFFFFF
} WGPULoadOp;

typedef enum WGPUStoreOp {
    WGPUStoreOp_Undefined = 0x00000000,
    WGPUStoreOp_Store = 0x00000001,
    WGPUStoreOp_Discard = 0x00000002,
    WGPUStoreOp_Force32 = 0x7FFFFFFF
} WGPUStoreOp;

typedef enum WGPUIndexFormat {
    WGPUIndexFormat_Undefined = 0x00000000,
    WGPUIndexFormat_Uint16 = 0x00000001,
    WGPUIndexFormat_Uint32 = 0x00000002,
    WGPUIndexFormat_Force32 = 0x7FFFFFFF
} WGPUIndexFormat;

typedef enum WGPUVertexFormat {
    WGPUVertexFormat_Uint8 = 0x00000001,
    WGPUVertexFormat_Uint8x2 = 0x00000002,
    WGPUVertexFormat_Uint8x4 = 0x00000003,
    WGPUVertexFormat_Sint8 = 0x00000004,
    WGPUVertexFormat_Sint8x2 = 0x00000005,
    WGPUVertexFormat_Sint8x4 = 0x00000006,
    WGPUVertexFormat_Unorm8 = 0x00000007,
    WGPUVertexFormat_Unorm8x2 = 0x00000008,
    WGPUVertexFormat_Unorm8x4 = 0x00000009,
    WGPUVertexFormat_Snorm8 = 0x0000000A,
    WGPUVertexFormat_Snorm8x2 = 0x0000000B,
    WGPUVertexFormat_Snorm8x4 = 0x0000000C,
    WGPUVertexFormat_Uint16 = 0x0000000D,
    WGPUVertexFormat_Uint16x2 = 0x0000000E,
    WGPUVertexFormat_Uint16x4 = 0x0000000F,
    WGPUVertexFormat_Sint16 = 0x00000010,
    WGPUVertexFormat_Sint16x2 = 0x00000011,
    WGPUVertexFormat_Sint16x4 = 0x00000012,
    WGPUVertexFormat_Unorm16 = 0x00000013,
    WGPUVertexFormat_Unorm16x2 = 0x00000014,
    WGPUVertexFormat_Unorm16x4 = 0x00000015,
    WGPUVertexFormat_Snorm16 = 0x00000016,
    WGPUVertexFormat_Snorm16x2 = 0x00000017,
    WGPUVertexFormat_Snorm16x4 = 0x00000018,
    WGPUVertexFormat_Float16 = 0x00000019,
    WGPUVertexFormat_Float16x2 = 0x0000001A,
    WGPUVertexFormat_Float16x4 = 0x0000001B,
    WGPUVertexFormat_Float32 = 0x0000001C,
    WGPUVertexFormat_Float32x2 = 0x0000001D,
    WGPUVertexFormat_Float32x3 = 0x0000001E,
    WGPUVertexFormat_Float32x4 = 0x0000001F,
    WGPUVertexFormat_Uint32 = 0x00000020,
    WGPUVertexFormat_Uint32x2 = 0x00000021,
    WGPUVertexFormat_Uint32x3 = 0x00000022,
    WGPUVertexFormat_Uint32x4 = 0x00000023,
    WGPUVertexFormat_Sint32 = 0x00000024,
    WGPUVertexFormat_Sint32x2 = 0x00000025,
    WGPUVertexFormat_Sint32x3 = 0x00000026,
    WGPUVertexFormat_Sint32x4 = 0x00000027,
    WGPUVertexFormat_Unorm10_10_10_2 = 0x00000028,
    WGPUVertexFormat_Unorm8x4BGRA = 0x00000029,
    WGPUVertexFormat_Force32 = 0x7FFFFFFF
} WGPUVertexFormat;

typedef enum WGPUVertexStepMode {
    WGPUVertexStepMode_Undefined = 0x00000000,
    WGPUVertexStepMode_Vertex = 0x00000001,
    WGPUVertexStepMode_Instance = 0x00000002,
    WGPUVertexStepMode_Force32 = 0x7FFFFFFF
} WGPUVertexStepMode;

typedef enum WGPUPrimitiveTopology {
    WGPUPrimitiveTopology_Undefined = 0x00000000,
    WGPUPrimitiveTopology_PointList = 0x00000001,
    WGPUPrimitiveTopology_LineList = 0x00000002,
    WGPUPrimitiveTopology_LineStrip = 0x00000003,
    WGPUPrimitiveTopology_TriangleList = 0x00000004,
    WGPUPrimitiveTopology_TriangleStrip = 0x00000005,
    WGPUPrimitiveTopology_Force32 = 0x7FFFFFFF
} WGPUPrimitiveTopology;

typedef enum WGPUFrontFace {
    WGPUFrontFace_Undefined = 0x00000000,
    WGPUFrontFace_CCW = 0x00000001,
    WGPUFrontFace_CW = 0x00000002,
    WGPUFrontFace_Force32 = 0x7FFFFFFF
} WGPUFrontFace;

typedef enum WGPUCullMode {
    WGPUCullMode_Undefined = 0x00000000,
    WGPUCullMode_None = 0x00000001,
    WGPUCullMode_Front = 0x00000002,
    WGPUCullMode_Back = 0x00000003,
    WGPUCullMode_Force32 = 0x7FFFFFFF
} WGPUCullMode;

typedef enum WGPUBlendOperation {
    WGPUBlendOperation_Undefined = 0x00000000,
    WGPUBlendOperation_Add = 0x00000001,
    WGPUBlendOperation_Subtract = 0x00000002,
    WGPUBlendOperation_ReverseSubtract = 0x00000003,
    WGPUBlendOperation_Min = 0x00000004,
    WGPUBlendOperation_Max = 0x00000005,
    WGPUBlendOperation_Force32 = 0x7FFFFFFF
} WGPUBlendOperation;

typedef enum WGPUBlendFactor {
    WGPUBlendFactor_Undefined = 0x00000000,
    WGPUBlendFactor_Zero = 0x00000001,
    WGPUBlendFactor_One = 0x00000002,
    WGPUBlendFactor_Src = 0x00000003,
    WGPUBlendFactor_OneMinusSrc = 0x00000004,
    WGPUBlendFactor_SrcAlpha = 0x00000005,
    WGPUBlendFactor_OneMinusSrcAlpha = 0x00000006,
    WGPUBlendFactor_Dst = 0x00000007,
    WGPUBlendFactor_OneMinusDst = 0x00000008,
    WGPUBlendFactor_DstAlpha = 0x00000009,
    WGPUBlendFactor_OneMinusDstAlpha = 0x0000000A,
    WGPUBlendFactor_SrcAlphaSaturated = 0x0000000B,
    WGPUBlendFactor_Constant = 0x0000000C,
    WGPUBlendFactor_OneMinusConstant = 0x0000000D,
    WGPUBlendFactor_Src1 = 0x0000000E,
    WGPUBlendFactor_OneMinusSrc1 = 0x0000000F,
    WGPUBlendFactor_Src1Alpha = 0x00000010,
    WGPUBlendFactor_OneMinusSrc1Alpha = 0x00000011,
    WGPUBlendFactor_Force32 = 0x7FFFFFFF
} WGPUBlendFactor;

typedef enum WGPUBufferBindingType {
    WGPUBufferBindingType_BindingNotUsed = 0x00000000,
    WGPUBufferBindingType_Undefined = 0x00000001,
    WGPUBufferBindingType_Uniform = 0x00000002,
    WGPUBufferBindingType_Storage = 0x00000003,
    WGPUBufferBindingType_ReadOnlyStorage = 0x00000004,
    WGPUBufferBindingType_Force32 = 0x7FFFFFFF
} WGPUBufferBindingType;

typedef enum WGPUSamplerBindingType {
    WGPUSamplerBindingType_BindingNotUsed = 0x00000000,
    WGPUSamplerBindingType_Undefined = 0x00000001,
    WGPUSamplerBindingType_Filtering = 0x00000002,
    WGPUSamplerBindingType_NonFiltering = 0x00000003,
    WGPUSamplerBindingType_Comparison = 0x00000004,
    WGPUSamplerBindingType_Force32 = 0x7FFFFFFF
} WGPUSamplerBindingType;

typedef enum WGPUTextureSampleType {
    WGPUTextureSampleType_BindingNotUsed = 0x00000000,
    WGPUTextureSampleType_Undefined = 0x00000001,
    WGPUTextureSampleType_Float = 0x00000002,
    WGPUTextureSampleType_UnfilterableFloat = 0x00000003,
    WGPUTextureSampleType_Depth = 0x00000004,
    WGPUTextureSampleType_Sint = 0x00000005,
    WGPUTextureSampleType_Uint = 0x00000006,
    WGPUTextureSampleType_Force32 = 0x7FFFFFFF
} WGPUTextureSampleType;

typedef enum WGPUTextureViewDimension {
    WGPUTextureViewDimension_Undefined = 0x00000000,
    WGPUTextureViewDimension_1D = 0x00000001,
    WGPUTextureViewDimension_2D = 0x00000002,
    WGPUTextureViewDimension_2DArray = 0x00000003,
    WGPUTextureViewDimension_Cube = 0x00000004,
    WGPUTextureViewDimension_CubeArray = 0x00000005,
    WGPUTextureViewDimension_3D = 0x00000006,
    WGPUTextureViewDimension_Force32 = 0x7FFFFFFF
} WGPUTextureViewDimension;

typedef enum WGPUTextureDimension {
    WGPUTextureDimension_Undefined = 0x00000000,
    WGPUTextureDimension_1D = 0x00000001,
    WGPUTextureDimension_2D = 0x00000002,
    WGPUTextureDimension_3D = 0x00000003,
    WGPUTextureDimension_Force32 = 0x7FFFFFFF
} WGPUTextureDimension;

typedef enum WGPUTextureAspect {
    WGPUTextureAspect_Undefined = 0x00000000,
    WGPUTextureAspect_All = 0x00000001,
    WGPUTextureAspect_StencilOnly = 0x00000002,
    WGPUTextureAspect_DepthOnly = 0x00000003,
    WGPUTextureAspect_Plane0Only = 0x00050000,
    WGPUTextureAspect_Plane1Only = 0x00050001,
    WGPUTextureAspect_Plane2Only = 0x00050002,
    WGPUTextureAspect_Force32 = 0x7FFFFFFF
} WGPUTextureAspect;

typedef enum WGPUAddressMode {
    WGPUAddressMode_Undefined = 0x00000000,
    WGPUAddressMode_ClampToEdge = 0x00000001,
    WGPUAddressMode_Repeat = 0x00000002,
    WGPUAddressMode_MirrorRepeat = 0x00000003,
    WGPUAddressMode_Force32 = 0x7FFFFFFF
} WGPUAddressMode;

typedef enum WGPUFilterMode {
    WGPUFilterMode_Undefined = 0x00000000,
    WGPUFilterMode_Nearest = 0x00000001,
    WGPUFilterMode_Linear = 0x00000002,
    WGPUFilterMode_Force32 = 0x7FFFFFFF
} WGPUFilterMode;

typedef enum WGPUMipmapFilterMode {
    WGPUMipmapFilterMode_Undefined = 0x00000000,
    WGPUMipmapFilterMode_Nearest = 0x00000001,
    WGPUMipmapFilterMode_Linear = 0x00000002,
    WGPUMipmapFilterMode_Force32 = 0x7FFFFFFF
} WGPUMipmapFilterMode;

typedef enum WGPUCompareFunction {
    WGPUCompareFunction_Undefined = 0x00000000,
    WGPUCompareFunction_Never = 0x00000001,
    WGPUCompareFunction_Less = 0x00000002,
    WGPUCompareFunction_Equal = 0x00000003,
    WGPUCompareFunction_LessEqual = 0x00000004,
    WGPUCompareFunction_Greater = 0x00000005,
    WGPUCompareFunction_NotEqual = 0x00000006,
    WGPUCompareFunction_GreaterEqual = 0x00000007,
    WGPUCompareFunction_Always = 0x00000008,
    WGPUCompareFunction_Force32 = 0x7FFFFFFF
} WGPUCompareFunction;

typedef enum WGPUMapAsyncStatus {
    WGPUMapAsyncStatus_Success = 0x00000001,
    WGPUMapAsyncStatus_CallbackCancelled = 0x00000002,
    WGPUMapAsyncStatus_Error = 0x00000003,
    WGPUMapAsyncStatus_Aborted = 0x00000004,
    WGPUMapAsyncStatus_Force32 = 0x7FFFFFFF
} WGPUMapAsyncStatus;

typedef enum WGPUQueueWorkDoneStatus {
    WGPUQueueWorkDoneStatus_Success = 0x00000001,
    WGPUQueueWorkDoneStatus_CallbackCancelled = 0x00000002,
    WGPUQueueWorkDoneStatus_Error = 0x00000003,
    WGPUQueueWorkDoneStatus_Force32 = 0x7FFFFFFF
} WGPUQueueWorkDoneStatus;

typedef enum WGPUPopErrorScopeStatus {
    WGPUPopErrorScopeStatus_Success = 0x00000001,
    WGPUPopErrorScopeStatus_CallbackCancelled = 0x00000002,
    WGPUPopErrorScopeStatus_Error = 0x00000003,
    WGPUPopErrorScopeStatus_Force32 = 0x7FFFFFFF
} WGPUPopErrorScopeStatus;

typedef enum WGPUWaitStatus {
    WGPUWaitStatus_Success = 0x00000001,
    WGPUWaitStatus_TimedOut = 0x00000002,
    WGPUWaitStatus_Error = 0x00000003,
    WGPUWaitStatus_Force32 = 0x7FFFFFFF
} WGPUWaitStatus;

typedef enum WGPUOptionalBool {
    WGPUOptionalBool_False = 0x00000000,
    WGPUOptionalBool_True = 0x00000001,
    WGPUOptionalBool_Undefined = 0x00000002,
    WGPUOptionalBool_Force32 = 0x7FFFFFFF
} WGPUOptionalBool;

typedef enum WGPUStatus {
    WGPUStatus_Success = 0x00000001,
    WGPUStatus_Error = 0x00000002,
    WGPUStatus_Force32 = 0x7FFFFFFF
} WGPUStatus;

typedef enum WGPUTextureFormat {
    WGPUTextureFormat_Undefined = 0x00000000,
    WGPUTextureFormat_R8Unorm = 0x00000001,
    WGPUTextureFormat_R8Snorm = 0x00000002,
    WGPUTextureFormat_R8Uint = 0x00000003,
    WGPUTextureFormat_R8Sint = 0x00000004,
    WGPUTextureFormat_R16Uint = 0x00000005,
    WGPUTextureFormat_R16Sint = 0x00000006,
    WGPUTextureFormat_R16Float = 0x00000007,
    WGPUTextureFormat_RG8Unorm = 0x00000008,
    WGPUTextureFormat_RG8Snorm = 0x00000009,
    WGPUTextureFormat_RG8Uint = 0x0000000A,
    WGPUTextureFormat_RG8Sint = 0x0000000B,
    WGPUTextureFormat_R32Float = 0x0000000C,
    WGPUTextureFormat_R32Uint = 0x0000000D,
    WGPUTextureFormat_R32Sint = 0x0000000E,
    WGPUTextureFormat_RG16Uint = 0x0000000F,
    WGPUTextureFormat_RG16Sint = 0x00000010,
    WGPUTextureFormat_RG16Float = 0x00000011,
    WGPUTextureFormat_RGBA8Unorm = 0x00000012,
    WGPUTextureFormat_RGBA8UnormSrgb = 0x00000013,
    WGPUTextureFormat_RGBA8Snorm = 0x00000014,
    WGPUTextureFormat_RGBA8Uint = 0x00000015,
    WGPUTextureFormat_RGBA8Sint = 0x00000016,
    WGPUTextureFormat_BGRA8Unorm = 0x00000017,
    WGPUTextureFormat_BGRA8UnormSrgb = 0x00000018,
    WGPUTextureFormat_RGB10A2Uint = 0x00000019,
    WGPUTextureFormat_RGB10A2Unorm = 0x0000001A,
    WGPUTextureFormat_RG11B10Ufloat = 0x0000001B,
    WGPUTextureFormat_RGB9E5Ufloat = 0x0000001C,
    WGPUTextureFormat_RG32Float = 0x0000001D,
    WGPUTextureFormat_RG32Uint = 0x0000001E,
    WGPUTextureFormat_RG32Sint = 0x0000001F,
    WGPUTextureFormat_RGBA16Uint = 0x00000020,
    WGPUTextureFormat_RGBA16Sint = 0x00000021,
    WGPUTextureFormat_RGBA16Float = 0x00000022,
    WGPUTextureFormat_RGBA32Float = 0x00000023,
    WGPUTextureFormat_RGBA32Uint = 0x00000024,
    WGPUTextureFormat_RGBA32Sint = 0x00000025,
    WGPUTextureFormat_Stencil8 = 0x00000026,
    WGPUTextureFormat_Depth16Unorm = 0x00000027,
    WGPUTextureFormat_Depth24Plus = 0x00000028,
    WGPUTextureFormat_Depth24PlusStencil8 = 0x00000029,
    WGPUTextureFormat_Depth32Float = 0x0000002A,
    WGPUTextureFormat_Depth32FloatStencil8 = 0x0000002B,
    WGPUTextureFormat_BC1RGBAUnorm = 0x0000002C,
    WGPUTextureFormat_BC1RGBAUnormSrgb = 0x0000002D,
    WGPUTextureFormat_BC2RGBAUnorm = 0x0000002E,
    WGPUTextureFormat_BC2RGBAUnormSrgb = 0x0000002F,
    WGPUTextureFormat_BC3RGBAUnorm = 0x00000030,
    WGPUTextureFormat_Force32 = 0x7FFFFFFF
} WGPUTextureFormat;

typedef enum WGPUFeatureName { WGPUFeatureName_Force32 = 0x7FFFFFFF } WGPUFeatureName;

typedef enum WGPUStencilOperation {
    WGPUStencilOperation_Force32 = 0x7FFFFFFF
} WGPUStencilOperation;

typedef enum WGPUStorageTextureAccess {
    WGPUStorageTextureAccess_Force32 = 0x7FFFFFFF
} WGPUStorageTextureAccess;

/* Flags */
typedef WGPUFlags WGPUBufferUsage;
static const WGPUBufferUsage WGPUBufferUsage_None = 0x0000000000000000;
static const WGPUBufferUsage WGPUBufferUsage_MapRead = 0x0000000000000001;
static const WGPUBufferUsage WGPUBufferUsage_MapWrite = 0x0000000000000002;
static const WGPUBufferUsage WGPUBufferUsage_CopySrc = 0x0000000000000004;
static const WGPUBufferUsage WGPUBufferUsage_CopyDst = 0x0000000000000008;
static const WGPUBufferUsage WGPUBufferUsage_Index = 0x0000000000000010;
static const WGPUBufferUsage WGPUBufferUsage_Vertex = 0x0000000000000020;
static const WGPUBufferUsage WGPUBufferUsage_Uniform = 0x0000000000000040;
static const WGPUBufferUsage WGPUBufferUsage_Storage = 0x0000000000000080;
static const WGPUBufferUsage WGPUBufferUsage_Indirect = 0x0000000000000100;
static const WGPUBufferUsage WGPUBufferUsage_QueryResolve = 0x0000000000000200;

typedef WGPUFlags WGPUTextureUsage;
static const WGPUTextureUsage WGPUTextureUsage_None = 0x0000000000000000;
static const WGPUTextureUsage WGPUTextureUsage_CopySrc = 0x0000000000000001;
static const WGPUTextureUsage WGPUTextureUsage_CopyDst = 0x0000000000000002;
static const WGPUTextureUsage WGPUTextureUsage_TextureBinding = 0x0000000000000004;
static const WGPUTextureUsage WGPUTextureUsage_StorageBinding = 0x0000000000000008;
static const WGPUTextureUsage WGPUTextureUsage_RenderAttachment = 0x0000000000000010;
static const WGPUTextureUsage WGPUTextureUsage_TransientAttachment = 0x0000000000000020;
static const WGPUTextureUsage WGPUTextureUsage_StorageAttachment = 0x0000000000000040;

typedef WGPUFlags WGPUShaderStage;
static const WGPUShaderStage WGPUShaderStage_None = 0x0000000000000000;
static const WGPUShaderStage WGPUShaderStage_Vertex = 0x0000000000000001;
static const WGPUShaderStage WGPUShaderStage_Fragment = 0x0000000000000002;
static const WGPUShaderStage WGPUShaderStage_Compute = 0x0000000000000004;

typedef WGPUFlags WGPUColorWriteMask;
static const WGPUColorWriteMask WGPUColorWriteMask_None = 0x0000000000000000;
static const WGPUColorWriteMask WGPUColorWriteMask_Red = 0x0000000000000001;
static const WGPUColorWriteMask WGPUColorWriteMask_Green = 0x0000000000000002;
static const WGPUColorWriteMask WGPUColorWriteMask_Blue = 0x0000000000000004;
static const WGPUColorWriteMask WGPUColorWriteMask_Alpha = 0x0000000000000008;
static const WGPUColorWriteMask WGPUColorWriteMask_All = 0x000000000000000F;

typedef WGPUFlags WGPUMapMode;
static const WGPUMapMode WGPUMapMode_None = 0x0000000000000000;
static const WGPUMapMode WGPUMapMode_Read = 0x0000000000000001;
static const WGPUMapMode WGPUMapMode_Write = 0x0000000000000002;

/* Structs used by the callbacks */
struct WGPUStringView {
    char const* data;
    size_t length;
};

/* Callbacks */
typedef void (*WGPURequestAdapterCallback)(WGPURequestAdapterStatus status, WGPUAdapter adapter,
                                           struct WGPUStringView message, void* userdata1,
                                           void* userdata2);
typedef void (*WGPURequestDeviceCallback)(WGPURequestDeviceStatus status, WGPUDevice device,
                                          struct WGPUStringView message, void* userdata1,
                                          void* userdata2);
typedef void (*WGPUUncapturedErrorCallback)(WGPUDevice const* device, WGPUErrorType type,
                                            struct WGPUStringView message, void* userdata1,
                                            void* userdata2);
typedef void (*WGPUDeviceLostCallback)(WGPUDevice const* device, WGPUDeviceLostReason reason,
                                       struct WGPUStringView message, void* userdata1,
                                       void* userdata2);
typedef void (*WGPUBufferMapCallback)(WGPUMapAsyncStatus status, struct WGPUStringView message,
                                      void* userdata1, void* userdata2);
typedef void (*WGPUQueueWorkDoneCallback)(WGPUQueueWorkDoneStatus status,
                                          struct WGPUStringView message, void* userdata1,
                                          void* userdata2);
typedef void (*WGPUPopErrorScopeCallback)(WGPUPopErrorScopeStatus status, WGPUErrorType type,
                                          struct WGPUStringView message, void* userdata1,
                                          void* userdata2);

/* Structs */
struct WGPUChainedStruct {
    struct WGPUChainedStruct* next;
    WGPUSType sType;
};

struct WGPURequestAdapterOptions {
    WGPUChainedStruct* nextInChain;
    WGPUFeatureLevel featureLevel;
    WGPUPowerPreference powerPreference;
    WGPUBool forceFallbackAdapter;
    WGPUBackendType backendType;
    WGPUSurface compatibleSurface;
};

struct WGPURequestAdapterCallbackInfo {
    WGPUChainedStruct* nextInChain;
    WGPUCallbackMode mode;
    WGPURequestAdapterCallback callback;
    void* userdata1;
    void* userdata2;
};

struct WGPUAdapterInfo {
    WGPUChainedStruct* nextInChain;
    WGPUStringView vendor;
    WGPUStringView architecture;
    WGPUStringView device;
    WGPUStringView description;
    WGPUBackendType backendType;
    WGPUAdapterType adapterType;
    uint32_t vendorID;
    uint32_t deviceID;
    uint32_t subgroupMinSize;
    uint32_t subgroupMaxSize;
};

struct WGPUQueueDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
};

struct WGPUDeviceLostCallbackInfo {
    WGPUChainedStruct* nextInChain;
    WGPUCallbackMode mode;
    WGPUDeviceLostCallback callback;
    void* userdata1;
    void* userdata2;
};

struct WGPUUncapturedErrorCallbackInfo {
    WGPUChainedStruct* nextInChain;
    WGPUUncapturedErrorCallback callback;
    void* userdata1;
    void* userdata2;
};

struct WGPUDeviceDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    size_t requiredFeatureCount;
    WGPUFeatureName const* requiredFeatures;
    WGPULimits const* requiredLimits;
    WGPUQueueDescriptor defaultQueue;
    WGPUDeviceLostCallbackInfo deviceLostCallbackInfo;
    WGPUUncapturedErrorCallbackInfo uncapturedErrorCallbackInfo;
};

struct WGPUSurfaceDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
};

struct WGPUSurfaceSourceXlibWindow {
    WGPUChainedStruct chain;
    void* display;
    uint64_t window;
};

struct WGPUSurfaceSourceWindowsHWND {
    WGPUChainedStruct chain;
    void* hinstance;
    void* hwnd;
};

/* The browser build's surface: the canvas the selector names. */
struct WGPUEmscriptenSurfaceSourceCanvasHTMLSelector {
    WGPUChainedStruct chain;
    WGPUStringView selector;
};

struct WGPUSurfaceCapabilities {
    WGPUChainedStruct* nextInChain;
    WGPUTextureUsage usages;
    size_t formatCount;
    WGPUTextureFormat const* formats;
    size_t presentModeCount;
    WGPUPresentMode const* presentModes;
    size_t alphaModeCount;
    WGPUCompositeAlphaMode const* alphaModes;
};

struct WGPUSurfaceConfiguration {
    WGPUChainedStruct* nextInChain;
    WGPUDevice device;
    WGPUTextureFormat format;
    WGPUTextureUsage usage;
    uint32_t width;
    uint32_t height;
    size_t viewFormatCount;
    WGPUTextureFormat const* viewFormats;
    WGPUCompositeAlphaMode alphaMode;
    WGPUPresentMode presentMode;
};

struct WGPUSurfaceTexture {
    WGPUChainedStruct* nextInChain;
    WGPUTexture texture;
    WGPUSurfaceGetCurrentTextureStatus status;
};

struct WGPUBufferDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    WGPUBufferUsage usage;
    uint64_t size;
    WGPUBool mappedAtCreation;
};

struct WGPUExtent3D {
    uint32_t width;
    uint32_t height;
    uint32_t depthOrArrayLayers;
};

struct WGPUTextureDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    WGPUTextureUsage usage;
    WGPUTextureDimension dimension;
    WGPUExtent3D size;
    WGPUTextureFormat format;
    uint32_t mipLevelCount;
    uint32_t sampleCount;
    size_t viewFormatCount;
    WGPUTextureFormat const* viewFormats;
};

struct WGPUOrigin3D {
    uint32_t x;
    uint32_t y;
    uint32_t z;
};

struct WGPUTextureViewDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    WGPUTextureFormat format;
    WGPUTextureViewDimension dimension;
    uint32_t baseMipLevel;
    uint32_t mipLevelCount;
    uint32_t baseArrayLayer;
    uint32_t arrayLayerCount;
    WGPUTextureAspect aspect;
    WGPUTextureUsage usage;
};

struct WGPUSamplerDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    WGPUAddressMode addressModeU;
    WGPUAddressMode addressModeV;
    WGPUAddressMode addressModeW;
    WGPUFilterMode magFilter;
    WGPUFilterMode minFilter;
    WGPUMipmapFilterMode mipmapFilter;
    float lodMinClamp;
    float lodMaxClamp;
    WGPUCompareFunction compare;
    uint16_t maxAnisotropy;
};

struct WGPUShaderModuleDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
};

struct WGPUShaderSourceWGSL {
    WGPUChainedStruct chain;
    WGPUStringView code;
};

struct WGPUShaderSourceSPIRV {
    WGPUChainedStruct chain;
    uint32_t codeSize;
    uint32_t const* code;
};

struct WGPUBufferBindingLayout {
    WGPUChainedStruct* nextInChain;
    WGPUBufferBindingType type;
    WGPUBool hasDynamicOffset;
    uint64_t minBindingSize;
};

struct WGPUSamplerBindingLayout {
    WGPUChainedStruct* nextInChain;
    WGPUSamplerBindingType type;
};

struct WGPUTextureBindingLayout {
    WGPUChainedStruct* nextInChain;
    WGPUTextureSampleType sampleType;
    WGPUTextureViewDimension viewDimension;
    WGPUBool multisampled;
};

struct WGPUStorageTextureBindingLayout {
    WGPUChainedStruct* nextInChain;
    WGPUStorageTextureAccess access;
    WGPUTextureFormat format;
    WGPUTextureViewDimension viewDimension;
};

struct WGPUBindGroupLayoutEntry {
    WGPUChainedStruct* nextInChain;
    uint32_t binding;
    WGPUShaderStage visibility;
    uint32_t bindingArraySize;
    WGPUBufferBindingLayout buffer;
    WGPUSamplerBindingLayout sampler;
    WGPUTextureBindingLayout texture;
    WGPUStorageTextureBindingLayout storageTexture;
};

struct WGPUBindGroupLayoutDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    size_t entryCount;
    WGPUBindGroupLayoutEntry const* entries;
};

struct WGPUPipelineLayoutDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    size_t bindGroupLayoutCount;
    WGPUBindGroupLayout const* bindGroupLayouts;
    uint32_t immediateSize;
};

struct WGPUBindGroupEntry {
    WGPUChainedStruct* nextInChain;
    uint32_t binding;
    WGPUBuffer buffer;
    uint64_t offset;
    uint64_t size;
    WGPUSampler sampler;
    WGPUTextureView textureView;
};

struct WGPUBindGroupDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    WGPUBindGroupLayout layout;
    size_t entryCount;
    WGPUBindGroupEntry const* entries;
};

struct WGPUVertexState {
    WGPUChainedStruct* nextInChain;
    WGPUShaderModule module;
    WGPUStringView entryPoint;
    size_t constantCount;
    WGPUConstantEntry const* constants;
    size_t bufferCount;
    WGPUVertexBufferLayout const* buffers;
};

struct WGPUPrimitiveState {
    WGPUChainedStruct* nextInChain;
    WGPUPrimitiveTopology topology;
    WGPUIndexFormat stripIndexFormat;
    WGPUFrontFace frontFace;
    WGPUCullMode cullMode;
    WGPUBool unclippedDepth;
};

struct WGPUMultisampleState {
    WGPUChainedStruct* nextInChain;
    uint32_t count;
    uint32_t mask;
    WGPUBool alphaToCoverageEnabled;
};

struct WGPURenderPipelineDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    WGPUPipelineLayout layout;
    WGPUVertexState vertex;
    WGPUPrimitiveState primitive;
    WGPUDepthStencilState const* depthStencil;
    WGPUMultisampleState multisample;
    WGPUFragmentState const* fragment;
};

struct WGPUVertexBufferLayout {
    WGPUChainedStruct* nextInChain;
    WGPUVertexStepMode stepMode;
    uint64_t arrayStride;
    size_t attributeCount;
    WGPUVertexAttribute const* attributes;
};

struct WGPUVertexAttribute {
    WGPUChainedStruct* nextInChain;
    WGPUVertexFormat format;
    uint64_t offset;
    uint32_t shaderLocation;
};

struct WGPUStencilFaceState {
    WGPUCompareFunction compare;
    WGPUStencilOperation failOp;
    WGPUStencilOperation depthFailOp;
    WGPUStencilOperation passOp;
};

struct WGPUDepthStencilState {
    WGPUChainedStruct* nextInChain;
    WGPUTextureFormat format;
    WGPUOptionalBool depthWriteEnabled;
    WGPUCompareFunction depthCompare;
    WGPUStencilFaceState stencilFront;
    WGPUStencilFaceState stencilBack;
    uint32_t stencilReadMask;
    uint32_t stencilWriteMask;
    int32_t depthBias;
    float depthBiasSlopeScale;
    float depthBiasClamp;
};

struct WGPUFragmentState {
    WGPUChainedStruct* nextInChain;
    WGPUShaderModule module;
    WGPUStringView entryPoint;
    size_t constantCount;
    WGPUConstantEntry const* constants;
    size_t targetCount;
    WGPUColorTargetState const* targets;
};

struct WGPUColorTargetState {
    WGPUChainedStruct* nextInChain;
    WGPUTextureFormat format;
    WGPUBlendState const* blend;
    WGPUColorWriteMask writeMask;
};

struct WGPUBlendComponent {
    WGPUBlendOperation operation;
    WGPUBlendFactor srcFactor;
    WGPUBlendFactor dstFactor;
};

struct WGPUBlendState {
    WGPUBlendComponent color;
    WGPUBlendComponent alpha;
};

struct WGPUConstantEntry {
    WGPUChainedStruct* nextInChain;
    WGPUStringView key;
    double value;
};

struct WGPUCommandEncoderDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
};

struct WGPUCommandBufferDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
};

struct WGPURenderPassDescriptor {
    WGPUChainedStruct* nextInChain;
    WGPUStringView label;
    size_t colorAttachmentCount;
    WGPURenderPassColorAttachment const* colorAttachments;
    WGPURenderPassDepthStencilAttachment const* depthStencilAttachment;
    WGPUQuerySet occlusionQuerySet;
    WGPUPassTimestampWrites const* timestampWrites;
};

struct WGPUColor {
    double r;
    double g;
    double b;
    double a;
};

struct WGPURenderPassColorAttachment {
    WGPUChainedStruct* nextInChain;
    WGPUTextureView view;
    uint32_t depthSlice;
    WGPUTextureView resolveTarget;
    WGPULoadOp loadOp;
    WGPUStoreOp storeOp;
    WGPUColor clearValue;
};

struct WGPUTexelCopyBufferLayout {
    uint64_t offset;
    uint32_t bytesPerRow;
    uint32_t rowsPerImage;
};

struct WGPUTexelCopyBufferInfo {
    WGPUTexelCopyBufferLayout layout;
    WGPUBuffer buffer;
};

struct WGPUTexelCopyTextureInfo {
    WGPUTexture texture;
    uint32_t mipLevel;
    WGPUOrigin3D origin;
    WGPUTextureAspect aspect;
};

struct WGPUBufferMapCallbackInfo {
    WGPUChainedStruct* nextInChain;
    WGPUCallbackMode mode;
    WGPUBufferMapCallback callback;
    void* userdata1;
    void* userdata2;
};

struct WGPUQueueWorkDoneCallbackInfo {
    WGPUChainedStruct* nextInChain;
    WGPUCallbackMode mode;
    WGPUQueueWorkDoneCallback callback;
    void* userdata1;
    void* userdata2;
};

struct WGPUPopErrorScopeCallbackInfo {
    WGPUChainedStruct* nextInChain;
    WGPUCallbackMode mode;
    WGPUPopErrorScopeCallback callback;
    void* userdata1;
    void* userdata2;
};

struct WGPUFuture {
    uint64_t id;
};

struct WGPUFutureWaitInfo {
    WGPUFuture future;
    WGPUBool completed;
};

struct WGPURequestDeviceCallbackInfo {
    WGPUChainedStruct* nextInChain;
    WGPUCallbackMode mode;
    WGPURequestDeviceCallback callback;
    void* userdata1;
    void* userdata2;
};

/* Layout checks (x86-64 Linux, LP64), where these records cross into the
 * library's binary. The browser build (32-bit WebAssembly) hands them to no
 * binary: its bridge reads them member by member. */
#if UINTPTR_MAX == UINT64_MAX
#ifdef __cplusplus
#define WGPU_LAYOUT_ASSERT(cond, msg) static_assert(cond, msg)
#define WGPU_LAYOUT_ALIGNOF(type) alignof(type)
#else
#define WGPU_LAYOUT_ASSERT(cond, msg) _Static_assert(cond, msg)
#define WGPU_LAYOUT_ALIGNOF(type) _Alignof(type)
#endif
WGPU_LAYOUT_ASSERT(sizeof(WGPUBool) == 4, "WGPUBool size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUFlags) == 8, "WGPUFlags size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBackendType) == 4, "WGPUBackendType size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUAdapterType) == 4, "WGPUAdapterType size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUFeatureLevel) == 4, "WGPUFeatureLevel size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUPowerPreference) == 4, "WGPUPowerPreference size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSType) == 4, "WGPUSType size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUCallbackMode) == 4, "WGPUCallbackMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPURequestAdapterStatus) == 4, "WGPURequestAdapterStatus size");
WGPU_LAYOUT_ASSERT(sizeof(WGPURequestDeviceStatus) == 4, "WGPURequestDeviceStatus size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUErrorType) == 4, "WGPUErrorType size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUErrorFilter) == 4, "WGPUErrorFilter size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUDeviceLostReason) == 4, "WGPUDeviceLostReason size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSurfaceGetCurrentTextureStatus) == 4,
                   "WGPUSurfaceGetCurrentTextureStatus size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUPresentMode) == 4, "WGPUPresentMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUCompositeAlphaMode) == 4, "WGPUCompositeAlphaMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPULoadOp) == 4, "WGPULoadOp size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUStoreOp) == 4, "WGPUStoreOp size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUIndexFormat) == 4, "WGPUIndexFormat size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUVertexFormat) == 4, "WGPUVertexFormat size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUVertexStepMode) == 4, "WGPUVertexStepMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUPrimitiveTopology) == 4, "WGPUPrimitiveTopology size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUFrontFace) == 4, "WGPUFrontFace size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUCullMode) == 4, "WGPUCullMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBlendOperation) == 4, "WGPUBlendOperation size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBlendFactor) == 4, "WGPUBlendFactor size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBufferBindingType) == 4, "WGPUBufferBindingType size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSamplerBindingType) == 4, "WGPUSamplerBindingType size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTextureSampleType) == 4, "WGPUTextureSampleType size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTextureViewDimension) == 4, "WGPUTextureViewDimension size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTextureDimension) == 4, "WGPUTextureDimension size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTextureAspect) == 4, "WGPUTextureAspect size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUAddressMode) == 4, "WGPUAddressMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUFilterMode) == 4, "WGPUFilterMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUMipmapFilterMode) == 4, "WGPUMipmapFilterMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUCompareFunction) == 4, "WGPUCompareFunction size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUMapAsyncStatus) == 4, "WGPUMapAsyncStatus size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUQueueWorkDoneStatus) == 4, "WGPUQueueWorkDoneStatus size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUPopErrorScopeStatus) == 4, "WGPUPopErrorScopeStatus size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUWaitStatus) == 4, "WGPUWaitStatus size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUOptionalBool) == 4, "WGPUOptionalBool size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUStatus) == 4, "WGPUStatus size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTextureFormat) == 4, "WGPUTextureFormat size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUFeatureName) == 4, "WGPUFeatureName size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUStencilOperation) == 4, "WGPUStencilOperation size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUStorageTextureAccess) == 4, "WGPUStorageTextureAccess size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBufferUsage) == 8, "WGPUBufferUsage size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTextureUsage) == 8, "WGPUTextureUsage size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUShaderStage) == 8, "WGPUShaderStage size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUColorWriteMask) == 8, "WGPUColorWriteMask size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUMapMode) == 8, "WGPUMapMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUStringView) == 16, "WGPUStringView size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUStringView) == 8, "WGPUStringView align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStringView, data) == 0, "WGPUStringView.data offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStringView*)0)->data) == 8, "WGPUStringView.data size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStringView, length) == 8, "WGPUStringView.length offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStringView*)0)->length) == 8, "WGPUStringView.length size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUChainedStruct) == 16, "WGPUChainedStruct size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUChainedStruct) == 8, "WGPUChainedStruct align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUChainedStruct, next) == 0, "WGPUChainedStruct.next offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUChainedStruct*)0)->next) == 8, "WGPUChainedStruct.next size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUChainedStruct, sType) == 8, "WGPUChainedStruct.sType offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUChainedStruct*)0)->sType) == 4, "WGPUChainedStruct.sType size");
WGPU_LAYOUT_ASSERT(sizeof(WGPURequestAdapterOptions) == 32, "WGPURequestAdapterOptions size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPURequestAdapterOptions) == 8,
                   "WGPURequestAdapterOptions align");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterOptions, nextInChain) == 0,
                   "WGPURequestAdapterOptions.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterOptions*)0)->nextInChain) == 8,
                   "WGPURequestAdapterOptions.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterOptions, featureLevel) == 8,
                   "WGPURequestAdapterOptions.featureLevel offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterOptions*)0)->featureLevel) == 4,
                   "WGPURequestAdapterOptions.featureLevel size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterOptions, powerPreference) == 12,
                   "WGPURequestAdapterOptions.powerPreference offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterOptions*)0)->powerPreference) == 4,
                   "WGPURequestAdapterOptions.powerPreference size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterOptions, forceFallbackAdapter) == 16,
                   "WGPURequestAdapterOptions.forceFallbackAdapter offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterOptions*)0)->forceFallbackAdapter) == 4,
                   "WGPURequestAdapterOptions.forceFallbackAdapter size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterOptions, backendType) == 20,
                   "WGPURequestAdapterOptions.backendType offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterOptions*)0)->backendType) == 4,
                   "WGPURequestAdapterOptions.backendType size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterOptions, compatibleSurface) == 24,
                   "WGPURequestAdapterOptions.compatibleSurface offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterOptions*)0)->compatibleSurface) == 8,
                   "WGPURequestAdapterOptions.compatibleSurface size");
WGPU_LAYOUT_ASSERT(sizeof(WGPURequestAdapterCallbackInfo) == 40,
                   "WGPURequestAdapterCallbackInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPURequestAdapterCallbackInfo) == 8,
                   "WGPURequestAdapterCallbackInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterCallbackInfo, nextInChain) == 0,
                   "WGPURequestAdapterCallbackInfo.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterCallbackInfo*)0)->nextInChain) == 8,
                   "WGPURequestAdapterCallbackInfo.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterCallbackInfo, mode) == 8,
                   "WGPURequestAdapterCallbackInfo.mode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterCallbackInfo*)0)->mode) == 4,
                   "WGPURequestAdapterCallbackInfo.mode size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterCallbackInfo, callback) == 16,
                   "WGPURequestAdapterCallbackInfo.callback offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterCallbackInfo*)0)->callback) == 8,
                   "WGPURequestAdapterCallbackInfo.callback size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterCallbackInfo, userdata1) == 24,
                   "WGPURequestAdapterCallbackInfo.userdata1 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterCallbackInfo*)0)->userdata1) == 8,
                   "WGPURequestAdapterCallbackInfo.userdata1 size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestAdapterCallbackInfo, userdata2) == 32,
                   "WGPURequestAdapterCallbackInfo.userdata2 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestAdapterCallbackInfo*)0)->userdata2) == 8,
                   "WGPURequestAdapterCallbackInfo.userdata2 size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUAdapterInfo) == 96, "WGPUAdapterInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUAdapterInfo) == 8, "WGPUAdapterInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, nextInChain) == 0,
                   "WGPUAdapterInfo.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->nextInChain) == 8,
                   "WGPUAdapterInfo.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, vendor) == 8, "WGPUAdapterInfo.vendor offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->vendor) == 16, "WGPUAdapterInfo.vendor size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, architecture) == 24,
                   "WGPUAdapterInfo.architecture offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->architecture) == 16,
                   "WGPUAdapterInfo.architecture size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, device) == 40, "WGPUAdapterInfo.device offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->device) == 16, "WGPUAdapterInfo.device size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, description) == 56,
                   "WGPUAdapterInfo.description offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->description) == 16,
                   "WGPUAdapterInfo.description size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, backendType) == 72,
                   "WGPUAdapterInfo.backendType offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->backendType) == 4,
                   "WGPUAdapterInfo.backendType size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, adapterType) == 76,
                   "WGPUAdapterInfo.adapterType offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->adapterType) == 4,
                   "WGPUAdapterInfo.adapterType size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, vendorID) == 80, "WGPUAdapterInfo.vendorID offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->vendorID) == 4, "WGPUAdapterInfo.vendorID size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, deviceID) == 84, "WGPUAdapterInfo.deviceID offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->deviceID) == 4, "WGPUAdapterInfo.deviceID size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, subgroupMinSize) == 88,
                   "WGPUAdapterInfo.subgroupMinSize offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->subgroupMinSize) == 4,
                   "WGPUAdapterInfo.subgroupMinSize size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUAdapterInfo, subgroupMaxSize) == 92,
                   "WGPUAdapterInfo.subgroupMaxSize offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUAdapterInfo*)0)->subgroupMaxSize) == 4,
                   "WGPUAdapterInfo.subgroupMaxSize size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUDeviceDescriptor) == 144, "WGPUDeviceDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUDeviceDescriptor) == 8, "WGPUDeviceDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceDescriptor, nextInChain) == 0,
                   "WGPUDeviceDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceDescriptor*)0)->nextInChain) == 8,
                   "WGPUDeviceDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceDescriptor, label) == 8, "WGPUDeviceDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceDescriptor*)0)->label) == 16,
                   "WGPUDeviceDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceDescriptor, requiredFeatureCount) == 24,
                   "WGPUDeviceDescriptor.requiredFeatureCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceDescriptor*)0)->requiredFeatureCount) == 8,
                   "WGPUDeviceDescriptor.requiredFeatureCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceDescriptor, requiredFeatures) == 32,
                   "WGPUDeviceDescriptor.requiredFeatures offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceDescriptor*)0)->requiredFeatures) == 8,
                   "WGPUDeviceDescriptor.requiredFeatures size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceDescriptor, requiredLimits) == 40,
                   "WGPUDeviceDescriptor.requiredLimits offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceDescriptor*)0)->requiredLimits) == 8,
                   "WGPUDeviceDescriptor.requiredLimits size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceDescriptor, defaultQueue) == 48,
                   "WGPUDeviceDescriptor.defaultQueue offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceDescriptor*)0)->defaultQueue) == 24,
                   "WGPUDeviceDescriptor.defaultQueue size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceDescriptor, deviceLostCallbackInfo) == 72,
                   "WGPUDeviceDescriptor.deviceLostCallbackInfo offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceDescriptor*)0)->deviceLostCallbackInfo) == 40,
                   "WGPUDeviceDescriptor.deviceLostCallbackInfo size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceDescriptor, uncapturedErrorCallbackInfo) == 112,
                   "WGPUDeviceDescriptor.uncapturedErrorCallbackInfo offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceDescriptor*)0)->uncapturedErrorCallbackInfo) == 32,
                   "WGPUDeviceDescriptor.uncapturedErrorCallbackInfo size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUQueueDescriptor) == 24, "WGPUQueueDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUQueueDescriptor) == 8, "WGPUQueueDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUQueueDescriptor, nextInChain) == 0,
                   "WGPUQueueDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUQueueDescriptor*)0)->nextInChain) == 8,
                   "WGPUQueueDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUQueueDescriptor, label) == 8, "WGPUQueueDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUQueueDescriptor*)0)->label) == 16,
                   "WGPUQueueDescriptor.label size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUDeviceLostCallbackInfo) == 40, "WGPUDeviceLostCallbackInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUDeviceLostCallbackInfo) == 8,
                   "WGPUDeviceLostCallbackInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceLostCallbackInfo, nextInChain) == 0,
                   "WGPUDeviceLostCallbackInfo.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceLostCallbackInfo*)0)->nextInChain) == 8,
                   "WGPUDeviceLostCallbackInfo.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceLostCallbackInfo, mode) == 8,
                   "WGPUDeviceLostCallbackInfo.mode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceLostCallbackInfo*)0)->mode) == 4,
                   "WGPUDeviceLostCallbackInfo.mode size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceLostCallbackInfo, callback) == 16,
                   "WGPUDeviceLostCallbackInfo.callback offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceLostCallbackInfo*)0)->callback) == 8,
                   "WGPUDeviceLostCallbackInfo.callback size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceLostCallbackInfo, userdata1) == 24,
                   "WGPUDeviceLostCallbackInfo.userdata1 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceLostCallbackInfo*)0)->userdata1) == 8,
                   "WGPUDeviceLostCallbackInfo.userdata1 size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDeviceLostCallbackInfo, userdata2) == 32,
                   "WGPUDeviceLostCallbackInfo.userdata2 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDeviceLostCallbackInfo*)0)->userdata2) == 8,
                   "WGPUDeviceLostCallbackInfo.userdata2 size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUUncapturedErrorCallbackInfo) == 32,
                   "WGPUUncapturedErrorCallbackInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUUncapturedErrorCallbackInfo) == 8,
                   "WGPUUncapturedErrorCallbackInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUUncapturedErrorCallbackInfo, nextInChain) == 0,
                   "WGPUUncapturedErrorCallbackInfo.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUUncapturedErrorCallbackInfo*)0)->nextInChain) == 8,
                   "WGPUUncapturedErrorCallbackInfo.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUUncapturedErrorCallbackInfo, callback) == 8,
                   "WGPUUncapturedErrorCallbackInfo.callback offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUUncapturedErrorCallbackInfo*)0)->callback) == 8,
                   "WGPUUncapturedErrorCallbackInfo.callback size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUUncapturedErrorCallbackInfo, userdata1) == 16,
                   "WGPUUncapturedErrorCallbackInfo.userdata1 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUUncapturedErrorCallbackInfo*)0)->userdata1) == 8,
                   "WGPUUncapturedErrorCallbackInfo.userdata1 size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUUncapturedErrorCallbackInfo, userdata2) == 24,
                   "WGPUUncapturedErrorCallbackInfo.userdata2 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUUncapturedErrorCallbackInfo*)0)->userdata2) == 8,
                   "WGPUUncapturedErrorCallbackInfo.userdata2 size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSurfaceDescriptor) == 24, "WGPUSurfaceDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUSurfaceDescriptor) == 8, "WGPUSurfaceDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceDescriptor, nextInChain) == 0,
                   "WGPUSurfaceDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceDescriptor*)0)->nextInChain) == 8,
                   "WGPUSurfaceDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceDescriptor, label) == 8,
                   "WGPUSurfaceDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceDescriptor*)0)->label) == 16,
                   "WGPUSurfaceDescriptor.label size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSurfaceSourceXlibWindow) == 32, "WGPUSurfaceSourceXlibWindow size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUSurfaceSourceXlibWindow) == 8,
                   "WGPUSurfaceSourceXlibWindow align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceSourceXlibWindow, chain) == 0,
                   "WGPUSurfaceSourceXlibWindow.chain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceSourceXlibWindow*)0)->chain) == 16,
                   "WGPUSurfaceSourceXlibWindow.chain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceSourceXlibWindow, display) == 16,
                   "WGPUSurfaceSourceXlibWindow.display offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceSourceXlibWindow*)0)->display) == 8,
                   "WGPUSurfaceSourceXlibWindow.display size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceSourceXlibWindow, window) == 24,
                   "WGPUSurfaceSourceXlibWindow.window offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceSourceXlibWindow*)0)->window) == 8,
                   "WGPUSurfaceSourceXlibWindow.window size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSurfaceSourceWindowsHWND) == 32, "WGPUSurfaceSourceWindowsHWND size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUSurfaceSourceWindowsHWND) == 8,
                   "WGPUSurfaceSourceWindowsHWND align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceSourceWindowsHWND, chain) == 0,
                   "WGPUSurfaceSourceWindowsHWND.chain offset");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceSourceWindowsHWND, hinstance) == 16,
                   "WGPUSurfaceSourceWindowsHWND.hinstance offset");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceSourceWindowsHWND, hwnd) == 24,
                   "WGPUSurfaceSourceWindowsHWND.hwnd offset");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSurfaceCapabilities) == 64, "WGPUSurfaceCapabilities size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUSurfaceCapabilities) == 8,
                   "WGPUSurfaceCapabilities align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceCapabilities, nextInChain) == 0,
                   "WGPUSurfaceCapabilities.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceCapabilities*)0)->nextInChain) == 8,
                   "WGPUSurfaceCapabilities.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceCapabilities, usages) == 8,
                   "WGPUSurfaceCapabilities.usages offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceCapabilities*)0)->usages) == 8,
                   "WGPUSurfaceCapabilities.usages size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceCapabilities, formatCount) == 16,
                   "WGPUSurfaceCapabilities.formatCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceCapabilities*)0)->formatCount) == 8,
                   "WGPUSurfaceCapabilities.formatCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceCapabilities, formats) == 24,
                   "WGPUSurfaceCapabilities.formats offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceCapabilities*)0)->formats) == 8,
                   "WGPUSurfaceCapabilities.formats size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceCapabilities, presentModeCount) == 32,
                   "WGPUSurfaceCapabilities.presentModeCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceCapabilities*)0)->presentModeCount) == 8,
                   "WGPUSurfaceCapabilities.presentModeCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceCapabilities, presentModes) == 40,
                   "WGPUSurfaceCapabilities.presentModes offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceCapabilities*)0)->presentModes) == 8,
                   "WGPUSurfaceCapabilities.presentModes size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceCapabilities, alphaModeCount) == 48,
                   "WGPUSurfaceCapabilities.alphaModeCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceCapabilities*)0)->alphaModeCount) == 8,
                   "WGPUSurfaceCapabilities.alphaModeCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceCapabilities, alphaModes) == 56,
                   "WGPUSurfaceCapabilities.alphaModes offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceCapabilities*)0)->alphaModes) == 8,
                   "WGPUSurfaceCapabilities.alphaModes size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSurfaceConfiguration) == 64, "WGPUSurfaceConfiguration size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUSurfaceConfiguration) == 8,
                   "WGPUSurfaceConfiguration align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, nextInChain) == 0,
                   "WGPUSurfaceConfiguration.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->nextInChain) == 8,
                   "WGPUSurfaceConfiguration.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, device) == 8,
                   "WGPUSurfaceConfiguration.device offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->device) == 8,
                   "WGPUSurfaceConfiguration.device size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, format) == 16,
                   "WGPUSurfaceConfiguration.format offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->format) == 4,
                   "WGPUSurfaceConfiguration.format size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, usage) == 24,
                   "WGPUSurfaceConfiguration.usage offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->usage) == 8,
                   "WGPUSurfaceConfiguration.usage size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, width) == 32,
                   "WGPUSurfaceConfiguration.width offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->width) == 4,
                   "WGPUSurfaceConfiguration.width size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, height) == 36,
                   "WGPUSurfaceConfiguration.height offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->height) == 4,
                   "WGPUSurfaceConfiguration.height size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, viewFormatCount) == 40,
                   "WGPUSurfaceConfiguration.viewFormatCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->viewFormatCount) == 8,
                   "WGPUSurfaceConfiguration.viewFormatCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, viewFormats) == 48,
                   "WGPUSurfaceConfiguration.viewFormats offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->viewFormats) == 8,
                   "WGPUSurfaceConfiguration.viewFormats size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, alphaMode) == 56,
                   "WGPUSurfaceConfiguration.alphaMode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->alphaMode) == 4,
                   "WGPUSurfaceConfiguration.alphaMode size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceConfiguration, presentMode) == 60,
                   "WGPUSurfaceConfiguration.presentMode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceConfiguration*)0)->presentMode) == 4,
                   "WGPUSurfaceConfiguration.presentMode size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSurfaceTexture) == 24, "WGPUSurfaceTexture size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUSurfaceTexture) == 8, "WGPUSurfaceTexture align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceTexture, nextInChain) == 0,
                   "WGPUSurfaceTexture.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceTexture*)0)->nextInChain) == 8,
                   "WGPUSurfaceTexture.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceTexture, texture) == 8, "WGPUSurfaceTexture.texture offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceTexture*)0)->texture) == 8,
                   "WGPUSurfaceTexture.texture size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSurfaceTexture, status) == 16, "WGPUSurfaceTexture.status offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSurfaceTexture*)0)->status) == 4, "WGPUSurfaceTexture.status size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBufferDescriptor) == 48, "WGPUBufferDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUBufferDescriptor) == 8, "WGPUBufferDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferDescriptor, nextInChain) == 0,
                   "WGPUBufferDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferDescriptor*)0)->nextInChain) == 8,
                   "WGPUBufferDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferDescriptor, label) == 8, "WGPUBufferDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferDescriptor*)0)->label) == 16,
                   "WGPUBufferDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferDescriptor, usage) == 24,
                   "WGPUBufferDescriptor.usage offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferDescriptor*)0)->usage) == 8,
                   "WGPUBufferDescriptor.usage size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferDescriptor, size) == 32, "WGPUBufferDescriptor.size offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferDescriptor*)0)->size) == 8, "WGPUBufferDescriptor.size size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferDescriptor, mappedAtCreation) == 40,
                   "WGPUBufferDescriptor.mappedAtCreation offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferDescriptor*)0)->mappedAtCreation) == 4,
                   "WGPUBufferDescriptor.mappedAtCreation size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTextureDescriptor) == 80, "WGPUTextureDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUTextureDescriptor) == 8, "WGPUTextureDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, nextInChain) == 0,
                   "WGPUTextureDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->nextInChain) == 8,
                   "WGPUTextureDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, label) == 8,
                   "WGPUTextureDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->label) == 16,
                   "WGPUTextureDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, usage) == 24,
                   "WGPUTextureDescriptor.usage offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->usage) == 8,
                   "WGPUTextureDescriptor.usage size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, dimension) == 32,
                   "WGPUTextureDescriptor.dimension offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->dimension) == 4,
                   "WGPUTextureDescriptor.dimension size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, size) == 36,
                   "WGPUTextureDescriptor.size offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->size) == 12,
                   "WGPUTextureDescriptor.size size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, format) == 48,
                   "WGPUTextureDescriptor.format offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->format) == 4,
                   "WGPUTextureDescriptor.format size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, mipLevelCount) == 52,
                   "WGPUTextureDescriptor.mipLevelCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->mipLevelCount) == 4,
                   "WGPUTextureDescriptor.mipLevelCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, sampleCount) == 56,
                   "WGPUTextureDescriptor.sampleCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->sampleCount) == 4,
                   "WGPUTextureDescriptor.sampleCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, viewFormatCount) == 64,
                   "WGPUTextureDescriptor.viewFormatCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->viewFormatCount) == 8,
                   "WGPUTextureDescriptor.viewFormatCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureDescriptor, viewFormats) == 72,
                   "WGPUTextureDescriptor.viewFormats offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureDescriptor*)0)->viewFormats) == 8,
                   "WGPUTextureDescriptor.viewFormats size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUExtent3D) == 12, "WGPUExtent3D size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUExtent3D) == 4, "WGPUExtent3D align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUExtent3D, width) == 0, "WGPUExtent3D.width offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUExtent3D*)0)->width) == 4, "WGPUExtent3D.width size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUExtent3D, height) == 4, "WGPUExtent3D.height offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUExtent3D*)0)->height) == 4, "WGPUExtent3D.height size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUExtent3D, depthOrArrayLayers) == 8,
                   "WGPUExtent3D.depthOrArrayLayers offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUExtent3D*)0)->depthOrArrayLayers) == 4,
                   "WGPUExtent3D.depthOrArrayLayers size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUOrigin3D) == 12, "WGPUOrigin3D size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUOrigin3D) == 4, "WGPUOrigin3D align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUOrigin3D, x) == 0, "WGPUOrigin3D.x offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUOrigin3D*)0)->x) == 4, "WGPUOrigin3D.x size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUOrigin3D, y) == 4, "WGPUOrigin3D.y offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUOrigin3D*)0)->y) == 4, "WGPUOrigin3D.y size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUOrigin3D, z) == 8, "WGPUOrigin3D.z offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUOrigin3D*)0)->z) == 4, "WGPUOrigin3D.z size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTextureViewDescriptor) == 64, "WGPUTextureViewDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUTextureViewDescriptor) == 8,
                   "WGPUTextureViewDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, nextInChain) == 0,
                   "WGPUTextureViewDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->nextInChain) == 8,
                   "WGPUTextureViewDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, label) == 8,
                   "WGPUTextureViewDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->label) == 16,
                   "WGPUTextureViewDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, format) == 24,
                   "WGPUTextureViewDescriptor.format offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->format) == 4,
                   "WGPUTextureViewDescriptor.format size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, dimension) == 28,
                   "WGPUTextureViewDescriptor.dimension offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->dimension) == 4,
                   "WGPUTextureViewDescriptor.dimension size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, baseMipLevel) == 32,
                   "WGPUTextureViewDescriptor.baseMipLevel offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->baseMipLevel) == 4,
                   "WGPUTextureViewDescriptor.baseMipLevel size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, mipLevelCount) == 36,
                   "WGPUTextureViewDescriptor.mipLevelCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->mipLevelCount) == 4,
                   "WGPUTextureViewDescriptor.mipLevelCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, baseArrayLayer) == 40,
                   "WGPUTextureViewDescriptor.baseArrayLayer offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->baseArrayLayer) == 4,
                   "WGPUTextureViewDescriptor.baseArrayLayer size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, arrayLayerCount) == 44,
                   "WGPUTextureViewDescriptor.arrayLayerCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->arrayLayerCount) == 4,
                   "WGPUTextureViewDescriptor.arrayLayerCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, aspect) == 48,
                   "WGPUTextureViewDescriptor.aspect offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->aspect) == 4,
                   "WGPUTextureViewDescriptor.aspect size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureViewDescriptor, usage) == 56,
                   "WGPUTextureViewDescriptor.usage offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureViewDescriptor*)0)->usage) == 8,
                   "WGPUTextureViewDescriptor.usage size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSamplerDescriptor) == 64, "WGPUSamplerDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUSamplerDescriptor) == 8, "WGPUSamplerDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, nextInChain) == 0,
                   "WGPUSamplerDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->nextInChain) == 8,
                   "WGPUSamplerDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, label) == 8,
                   "WGPUSamplerDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->label) == 16,
                   "WGPUSamplerDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, addressModeU) == 24,
                   "WGPUSamplerDescriptor.addressModeU offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->addressModeU) == 4,
                   "WGPUSamplerDescriptor.addressModeU size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, addressModeV) == 28,
                   "WGPUSamplerDescriptor.addressModeV offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->addressModeV) == 4,
                   "WGPUSamplerDescriptor.addressModeV size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, addressModeW) == 32,
                   "WGPUSamplerDescriptor.addressModeW offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->addressModeW) == 4,
                   "WGPUSamplerDescriptor.addressModeW size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, magFilter) == 36,
                   "WGPUSamplerDescriptor.magFilter offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->magFilter) == 4,
                   "WGPUSamplerDescriptor.magFilter size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, minFilter) == 40,
                   "WGPUSamplerDescriptor.minFilter offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->minFilter) == 4,
                   "WGPUSamplerDescriptor.minFilter size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, mipmapFilter) == 44,
                   "WGPUSamplerDescriptor.mipmapFilter offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->mipmapFilter) == 4,
                   "WGPUSamplerDescriptor.mipmapFilter size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, lodMinClamp) == 48,
                   "WGPUSamplerDescriptor.lodMinClamp offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->lodMinClamp) == 4,
                   "WGPUSamplerDescriptor.lodMinClamp size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, lodMaxClamp) == 52,
                   "WGPUSamplerDescriptor.lodMaxClamp offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->lodMaxClamp) == 4,
                   "WGPUSamplerDescriptor.lodMaxClamp size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, compare) == 56,
                   "WGPUSamplerDescriptor.compare offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->compare) == 4,
                   "WGPUSamplerDescriptor.compare size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerDescriptor, maxAnisotropy) == 60,
                   "WGPUSamplerDescriptor.maxAnisotropy offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerDescriptor*)0)->maxAnisotropy) == 2,
                   "WGPUSamplerDescriptor.maxAnisotropy size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUShaderModuleDescriptor) == 24, "WGPUShaderModuleDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUShaderModuleDescriptor) == 8,
                   "WGPUShaderModuleDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUShaderModuleDescriptor, nextInChain) == 0,
                   "WGPUShaderModuleDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUShaderModuleDescriptor*)0)->nextInChain) == 8,
                   "WGPUShaderModuleDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUShaderModuleDescriptor, label) == 8,
                   "WGPUShaderModuleDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUShaderModuleDescriptor*)0)->label) == 16,
                   "WGPUShaderModuleDescriptor.label size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUShaderSourceWGSL) == 32, "WGPUShaderSourceWGSL size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUShaderSourceWGSL) == 8, "WGPUShaderSourceWGSL align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUShaderSourceWGSL, chain) == 0, "WGPUShaderSourceWGSL.chain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUShaderSourceWGSL*)0)->chain) == 16,
                   "WGPUShaderSourceWGSL.chain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUShaderSourceWGSL, code) == 16, "WGPUShaderSourceWGSL.code offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUShaderSourceWGSL*)0)->code) == 16,
                   "WGPUShaderSourceWGSL.code size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUShaderSourceSPIRV) == 32, "WGPUShaderSourceSPIRV size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUShaderSourceSPIRV) == 8, "WGPUShaderSourceSPIRV align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUShaderSourceSPIRV, chain) == 0,
                   "WGPUShaderSourceSPIRV.chain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUShaderSourceSPIRV*)0)->chain) == 16,
                   "WGPUShaderSourceSPIRV.chain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUShaderSourceSPIRV, codeSize) == 16,
                   "WGPUShaderSourceSPIRV.codeSize offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUShaderSourceSPIRV*)0)->codeSize) == 4,
                   "WGPUShaderSourceSPIRV.codeSize size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUShaderSourceSPIRV, code) == 24,
                   "WGPUShaderSourceSPIRV.code offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUShaderSourceSPIRV*)0)->code) == 8,
                   "WGPUShaderSourceSPIRV.code size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBindGroupLayoutEntry) == 120, "WGPUBindGroupLayoutEntry size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUBindGroupLayoutEntry) == 8,
                   "WGPUBindGroupLayoutEntry align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutEntry, nextInChain) == 0,
                   "WGPUBindGroupLayoutEntry.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutEntry*)0)->nextInChain) == 8,
                   "WGPUBindGroupLayoutEntry.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutEntry, binding) == 8,
                   "WGPUBindGroupLayoutEntry.binding offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutEntry*)0)->binding) == 4,
                   "WGPUBindGroupLayoutEntry.binding size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutEntry, visibility) == 16,
                   "WGPUBindGroupLayoutEntry.visibility offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutEntry*)0)->visibility) == 8,
                   "WGPUBindGroupLayoutEntry.visibility size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutEntry, bindingArraySize) == 24,
                   "WGPUBindGroupLayoutEntry.bindingArraySize offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutEntry*)0)->bindingArraySize) == 4,
                   "WGPUBindGroupLayoutEntry.bindingArraySize size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutEntry, buffer) == 32,
                   "WGPUBindGroupLayoutEntry.buffer offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutEntry*)0)->buffer) == 24,
                   "WGPUBindGroupLayoutEntry.buffer size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutEntry, sampler) == 56,
                   "WGPUBindGroupLayoutEntry.sampler offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutEntry*)0)->sampler) == 16,
                   "WGPUBindGroupLayoutEntry.sampler size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutEntry, texture) == 72,
                   "WGPUBindGroupLayoutEntry.texture offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutEntry*)0)->texture) == 24,
                   "WGPUBindGroupLayoutEntry.texture size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutEntry, storageTexture) == 96,
                   "WGPUBindGroupLayoutEntry.storageTexture offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutEntry*)0)->storageTexture) == 24,
                   "WGPUBindGroupLayoutEntry.storageTexture size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBufferBindingLayout) == 24, "WGPUBufferBindingLayout size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUBufferBindingLayout) == 8,
                   "WGPUBufferBindingLayout align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferBindingLayout, nextInChain) == 0,
                   "WGPUBufferBindingLayout.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferBindingLayout*)0)->nextInChain) == 8,
                   "WGPUBufferBindingLayout.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferBindingLayout, type) == 8,
                   "WGPUBufferBindingLayout.type offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferBindingLayout*)0)->type) == 4,
                   "WGPUBufferBindingLayout.type size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferBindingLayout, hasDynamicOffset) == 12,
                   "WGPUBufferBindingLayout.hasDynamicOffset offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferBindingLayout*)0)->hasDynamicOffset) == 4,
                   "WGPUBufferBindingLayout.hasDynamicOffset size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferBindingLayout, minBindingSize) == 16,
                   "WGPUBufferBindingLayout.minBindingSize offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferBindingLayout*)0)->minBindingSize) == 8,
                   "WGPUBufferBindingLayout.minBindingSize size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUSamplerBindingLayout) == 16, "WGPUSamplerBindingLayout size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUSamplerBindingLayout) == 8,
                   "WGPUSamplerBindingLayout align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerBindingLayout, nextInChain) == 0,
                   "WGPUSamplerBindingLayout.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerBindingLayout*)0)->nextInChain) == 8,
                   "WGPUSamplerBindingLayout.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUSamplerBindingLayout, type) == 8,
                   "WGPUSamplerBindingLayout.type offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUSamplerBindingLayout*)0)->type) == 4,
                   "WGPUSamplerBindingLayout.type size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTextureBindingLayout) == 24, "WGPUTextureBindingLayout size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUTextureBindingLayout) == 8,
                   "WGPUTextureBindingLayout align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureBindingLayout, nextInChain) == 0,
                   "WGPUTextureBindingLayout.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureBindingLayout*)0)->nextInChain) == 8,
                   "WGPUTextureBindingLayout.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureBindingLayout, sampleType) == 8,
                   "WGPUTextureBindingLayout.sampleType offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureBindingLayout*)0)->sampleType) == 4,
                   "WGPUTextureBindingLayout.sampleType size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureBindingLayout, viewDimension) == 12,
                   "WGPUTextureBindingLayout.viewDimension offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureBindingLayout*)0)->viewDimension) == 4,
                   "WGPUTextureBindingLayout.viewDimension size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTextureBindingLayout, multisampled) == 16,
                   "WGPUTextureBindingLayout.multisampled offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTextureBindingLayout*)0)->multisampled) == 4,
                   "WGPUTextureBindingLayout.multisampled size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUStorageTextureBindingLayout) == 24,
                   "WGPUStorageTextureBindingLayout size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUStorageTextureBindingLayout) == 8,
                   "WGPUStorageTextureBindingLayout align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStorageTextureBindingLayout, nextInChain) == 0,
                   "WGPUStorageTextureBindingLayout.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStorageTextureBindingLayout*)0)->nextInChain) == 8,
                   "WGPUStorageTextureBindingLayout.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStorageTextureBindingLayout, access) == 8,
                   "WGPUStorageTextureBindingLayout.access offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStorageTextureBindingLayout*)0)->access) == 4,
                   "WGPUStorageTextureBindingLayout.access size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStorageTextureBindingLayout, format) == 12,
                   "WGPUStorageTextureBindingLayout.format offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStorageTextureBindingLayout*)0)->format) == 4,
                   "WGPUStorageTextureBindingLayout.format size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStorageTextureBindingLayout, viewDimension) == 16,
                   "WGPUStorageTextureBindingLayout.viewDimension offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStorageTextureBindingLayout*)0)->viewDimension) == 4,
                   "WGPUStorageTextureBindingLayout.viewDimension size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBindGroupLayoutDescriptor) == 40,
                   "WGPUBindGroupLayoutDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUBindGroupLayoutDescriptor) == 8,
                   "WGPUBindGroupLayoutDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutDescriptor, nextInChain) == 0,
                   "WGPUBindGroupLayoutDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutDescriptor*)0)->nextInChain) == 8,
                   "WGPUBindGroupLayoutDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutDescriptor, label) == 8,
                   "WGPUBindGroupLayoutDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutDescriptor*)0)->label) == 16,
                   "WGPUBindGroupLayoutDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutDescriptor, entryCount) == 24,
                   "WGPUBindGroupLayoutDescriptor.entryCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutDescriptor*)0)->entryCount) == 8,
                   "WGPUBindGroupLayoutDescriptor.entryCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupLayoutDescriptor, entries) == 32,
                   "WGPUBindGroupLayoutDescriptor.entries offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupLayoutDescriptor*)0)->entries) == 8,
                   "WGPUBindGroupLayoutDescriptor.entries size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUPipelineLayoutDescriptor) == 48, "WGPUPipelineLayoutDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUPipelineLayoutDescriptor) == 8,
                   "WGPUPipelineLayoutDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPipelineLayoutDescriptor, nextInChain) == 0,
                   "WGPUPipelineLayoutDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPipelineLayoutDescriptor*)0)->nextInChain) == 8,
                   "WGPUPipelineLayoutDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPipelineLayoutDescriptor, label) == 8,
                   "WGPUPipelineLayoutDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPipelineLayoutDescriptor*)0)->label) == 16,
                   "WGPUPipelineLayoutDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPipelineLayoutDescriptor, bindGroupLayoutCount) == 24,
                   "WGPUPipelineLayoutDescriptor.bindGroupLayoutCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPipelineLayoutDescriptor*)0)->bindGroupLayoutCount) == 8,
                   "WGPUPipelineLayoutDescriptor.bindGroupLayoutCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPipelineLayoutDescriptor, bindGroupLayouts) == 32,
                   "WGPUPipelineLayoutDescriptor.bindGroupLayouts offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPipelineLayoutDescriptor*)0)->bindGroupLayouts) == 8,
                   "WGPUPipelineLayoutDescriptor.bindGroupLayouts size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPipelineLayoutDescriptor, immediateSize) == 40,
                   "WGPUPipelineLayoutDescriptor.immediateSize offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPipelineLayoutDescriptor*)0)->immediateSize) == 4,
                   "WGPUPipelineLayoutDescriptor.immediateSize size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBindGroupEntry) == 56, "WGPUBindGroupEntry size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUBindGroupEntry) == 8, "WGPUBindGroupEntry align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupEntry, nextInChain) == 0,
                   "WGPUBindGroupEntry.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupEntry*)0)->nextInChain) == 8,
                   "WGPUBindGroupEntry.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupEntry, binding) == 8, "WGPUBindGroupEntry.binding offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupEntry*)0)->binding) == 4,
                   "WGPUBindGroupEntry.binding size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupEntry, buffer) == 16, "WGPUBindGroupEntry.buffer offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupEntry*)0)->buffer) == 8, "WGPUBindGroupEntry.buffer size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupEntry, offset) == 24, "WGPUBindGroupEntry.offset offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupEntry*)0)->offset) == 8, "WGPUBindGroupEntry.offset size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupEntry, size) == 32, "WGPUBindGroupEntry.size offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupEntry*)0)->size) == 8, "WGPUBindGroupEntry.size size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupEntry, sampler) == 40,
                   "WGPUBindGroupEntry.sampler offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupEntry*)0)->sampler) == 8,
                   "WGPUBindGroupEntry.sampler size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupEntry, textureView) == 48,
                   "WGPUBindGroupEntry.textureView offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupEntry*)0)->textureView) == 8,
                   "WGPUBindGroupEntry.textureView size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBindGroupDescriptor) == 48, "WGPUBindGroupDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUBindGroupDescriptor) == 8,
                   "WGPUBindGroupDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupDescriptor, nextInChain) == 0,
                   "WGPUBindGroupDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupDescriptor*)0)->nextInChain) == 8,
                   "WGPUBindGroupDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupDescriptor, label) == 8,
                   "WGPUBindGroupDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupDescriptor*)0)->label) == 16,
                   "WGPUBindGroupDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupDescriptor, layout) == 24,
                   "WGPUBindGroupDescriptor.layout offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupDescriptor*)0)->layout) == 8,
                   "WGPUBindGroupDescriptor.layout size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupDescriptor, entryCount) == 32,
                   "WGPUBindGroupDescriptor.entryCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupDescriptor*)0)->entryCount) == 8,
                   "WGPUBindGroupDescriptor.entryCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBindGroupDescriptor, entries) == 40,
                   "WGPUBindGroupDescriptor.entries offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBindGroupDescriptor*)0)->entries) == 8,
                   "WGPUBindGroupDescriptor.entries size");
WGPU_LAYOUT_ASSERT(sizeof(WGPURenderPipelineDescriptor) == 168,
                   "WGPURenderPipelineDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPURenderPipelineDescriptor) == 8,
                   "WGPURenderPipelineDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPipelineDescriptor, nextInChain) == 0,
                   "WGPURenderPipelineDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPipelineDescriptor*)0)->nextInChain) == 8,
                   "WGPURenderPipelineDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPipelineDescriptor, label) == 8,
                   "WGPURenderPipelineDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPipelineDescriptor*)0)->label) == 16,
                   "WGPURenderPipelineDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPipelineDescriptor, layout) == 24,
                   "WGPURenderPipelineDescriptor.layout offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPipelineDescriptor*)0)->layout) == 8,
                   "WGPURenderPipelineDescriptor.layout size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPipelineDescriptor, vertex) == 32,
                   "WGPURenderPipelineDescriptor.vertex offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPipelineDescriptor*)0)->vertex) == 64,
                   "WGPURenderPipelineDescriptor.vertex size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPipelineDescriptor, primitive) == 96,
                   "WGPURenderPipelineDescriptor.primitive offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPipelineDescriptor*)0)->primitive) == 32,
                   "WGPURenderPipelineDescriptor.primitive size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPipelineDescriptor, depthStencil) == 128,
                   "WGPURenderPipelineDescriptor.depthStencil offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPipelineDescriptor*)0)->depthStencil) == 8,
                   "WGPURenderPipelineDescriptor.depthStencil size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPipelineDescriptor, multisample) == 136,
                   "WGPURenderPipelineDescriptor.multisample offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPipelineDescriptor*)0)->multisample) == 24,
                   "WGPURenderPipelineDescriptor.multisample size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPipelineDescriptor, fragment) == 160,
                   "WGPURenderPipelineDescriptor.fragment offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPipelineDescriptor*)0)->fragment) == 8,
                   "WGPURenderPipelineDescriptor.fragment size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUVertexState) == 64, "WGPUVertexState size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUVertexState) == 8, "WGPUVertexState align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexState, nextInChain) == 0,
                   "WGPUVertexState.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexState*)0)->nextInChain) == 8,
                   "WGPUVertexState.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexState, module) == 8, "WGPUVertexState.module offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexState*)0)->module) == 8, "WGPUVertexState.module size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexState, entryPoint) == 16,
                   "WGPUVertexState.entryPoint offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexState*)0)->entryPoint) == 16,
                   "WGPUVertexState.entryPoint size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexState, constantCount) == 32,
                   "WGPUVertexState.constantCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexState*)0)->constantCount) == 8,
                   "WGPUVertexState.constantCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexState, constants) == 40, "WGPUVertexState.constants offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexState*)0)->constants) == 8, "WGPUVertexState.constants size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexState, bufferCount) == 48,
                   "WGPUVertexState.bufferCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexState*)0)->bufferCount) == 8,
                   "WGPUVertexState.bufferCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexState, buffers) == 56, "WGPUVertexState.buffers offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexState*)0)->buffers) == 8, "WGPUVertexState.buffers size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUVertexBufferLayout) == 40, "WGPUVertexBufferLayout size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUVertexBufferLayout) == 8,
                   "WGPUVertexBufferLayout align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexBufferLayout, nextInChain) == 0,
                   "WGPUVertexBufferLayout.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexBufferLayout*)0)->nextInChain) == 8,
                   "WGPUVertexBufferLayout.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexBufferLayout, stepMode) == 8,
                   "WGPUVertexBufferLayout.stepMode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexBufferLayout*)0)->stepMode) == 4,
                   "WGPUVertexBufferLayout.stepMode size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexBufferLayout, arrayStride) == 16,
                   "WGPUVertexBufferLayout.arrayStride offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexBufferLayout*)0)->arrayStride) == 8,
                   "WGPUVertexBufferLayout.arrayStride size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexBufferLayout, attributeCount) == 24,
                   "WGPUVertexBufferLayout.attributeCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexBufferLayout*)0)->attributeCount) == 8,
                   "WGPUVertexBufferLayout.attributeCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexBufferLayout, attributes) == 32,
                   "WGPUVertexBufferLayout.attributes offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexBufferLayout*)0)->attributes) == 8,
                   "WGPUVertexBufferLayout.attributes size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUVertexAttribute) == 32, "WGPUVertexAttribute size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUVertexAttribute) == 8, "WGPUVertexAttribute align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexAttribute, nextInChain) == 0,
                   "WGPUVertexAttribute.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexAttribute*)0)->nextInChain) == 8,
                   "WGPUVertexAttribute.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexAttribute, format) == 8, "WGPUVertexAttribute.format offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexAttribute*)0)->format) == 4,
                   "WGPUVertexAttribute.format size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexAttribute, offset) == 16,
                   "WGPUVertexAttribute.offset offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexAttribute*)0)->offset) == 8,
                   "WGPUVertexAttribute.offset size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUVertexAttribute, shaderLocation) == 24,
                   "WGPUVertexAttribute.shaderLocation offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUVertexAttribute*)0)->shaderLocation) == 4,
                   "WGPUVertexAttribute.shaderLocation size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUPrimitiveState) == 32, "WGPUPrimitiveState size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUPrimitiveState) == 8, "WGPUPrimitiveState align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPrimitiveState, nextInChain) == 0,
                   "WGPUPrimitiveState.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPrimitiveState*)0)->nextInChain) == 8,
                   "WGPUPrimitiveState.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPrimitiveState, topology) == 8,
                   "WGPUPrimitiveState.topology offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPrimitiveState*)0)->topology) == 4,
                   "WGPUPrimitiveState.topology size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPrimitiveState, stripIndexFormat) == 12,
                   "WGPUPrimitiveState.stripIndexFormat offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPrimitiveState*)0)->stripIndexFormat) == 4,
                   "WGPUPrimitiveState.stripIndexFormat size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPrimitiveState, frontFace) == 16,
                   "WGPUPrimitiveState.frontFace offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPrimitiveState*)0)->frontFace) == 4,
                   "WGPUPrimitiveState.frontFace size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPrimitiveState, cullMode) == 20,
                   "WGPUPrimitiveState.cullMode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPrimitiveState*)0)->cullMode) == 4,
                   "WGPUPrimitiveState.cullMode size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPrimitiveState, unclippedDepth) == 24,
                   "WGPUPrimitiveState.unclippedDepth offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPrimitiveState*)0)->unclippedDepth) == 4,
                   "WGPUPrimitiveState.unclippedDepth size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUDepthStencilState) == 72, "WGPUDepthStencilState size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUDepthStencilState) == 8, "WGPUDepthStencilState align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, nextInChain) == 0,
                   "WGPUDepthStencilState.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->nextInChain) == 8,
                   "WGPUDepthStencilState.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, format) == 8,
                   "WGPUDepthStencilState.format offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->format) == 4,
                   "WGPUDepthStencilState.format size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, depthWriteEnabled) == 12,
                   "WGPUDepthStencilState.depthWriteEnabled offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->depthWriteEnabled) == 4,
                   "WGPUDepthStencilState.depthWriteEnabled size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, depthCompare) == 16,
                   "WGPUDepthStencilState.depthCompare offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->depthCompare) == 4,
                   "WGPUDepthStencilState.depthCompare size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, stencilFront) == 20,
                   "WGPUDepthStencilState.stencilFront offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->stencilFront) == 16,
                   "WGPUDepthStencilState.stencilFront size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, stencilBack) == 36,
                   "WGPUDepthStencilState.stencilBack offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->stencilBack) == 16,
                   "WGPUDepthStencilState.stencilBack size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, stencilReadMask) == 52,
                   "WGPUDepthStencilState.stencilReadMask offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->stencilReadMask) == 4,
                   "WGPUDepthStencilState.stencilReadMask size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, stencilWriteMask) == 56,
                   "WGPUDepthStencilState.stencilWriteMask offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->stencilWriteMask) == 4,
                   "WGPUDepthStencilState.stencilWriteMask size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, depthBias) == 60,
                   "WGPUDepthStencilState.depthBias offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->depthBias) == 4,
                   "WGPUDepthStencilState.depthBias size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, depthBiasSlopeScale) == 64,
                   "WGPUDepthStencilState.depthBiasSlopeScale offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->depthBiasSlopeScale) == 4,
                   "WGPUDepthStencilState.depthBiasSlopeScale size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUDepthStencilState, depthBiasClamp) == 68,
                   "WGPUDepthStencilState.depthBiasClamp offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUDepthStencilState*)0)->depthBiasClamp) == 4,
                   "WGPUDepthStencilState.depthBiasClamp size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUStencilFaceState) == 16, "WGPUStencilFaceState size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUStencilFaceState) == 4, "WGPUStencilFaceState align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStencilFaceState, compare) == 0,
                   "WGPUStencilFaceState.compare offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStencilFaceState*)0)->compare) == 4,
                   "WGPUStencilFaceState.compare size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStencilFaceState, failOp) == 4,
                   "WGPUStencilFaceState.failOp offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStencilFaceState*)0)->failOp) == 4,
                   "WGPUStencilFaceState.failOp size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStencilFaceState, depthFailOp) == 8,
                   "WGPUStencilFaceState.depthFailOp offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStencilFaceState*)0)->depthFailOp) == 4,
                   "WGPUStencilFaceState.depthFailOp size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUStencilFaceState, passOp) == 12,
                   "WGPUStencilFaceState.passOp offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUStencilFaceState*)0)->passOp) == 4,
                   "WGPUStencilFaceState.passOp size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUMultisampleState) == 24, "WGPUMultisampleState size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUMultisampleState) == 8, "WGPUMultisampleState align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUMultisampleState, nextInChain) == 0,
                   "WGPUMultisampleState.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUMultisampleState*)0)->nextInChain) == 8,
                   "WGPUMultisampleState.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUMultisampleState, count) == 8, "WGPUMultisampleState.count offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUMultisampleState*)0)->count) == 4,
                   "WGPUMultisampleState.count size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUMultisampleState, mask) == 12, "WGPUMultisampleState.mask offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUMultisampleState*)0)->mask) == 4, "WGPUMultisampleState.mask size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUMultisampleState, alphaToCoverageEnabled) == 16,
                   "WGPUMultisampleState.alphaToCoverageEnabled offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUMultisampleState*)0)->alphaToCoverageEnabled) == 4,
                   "WGPUMultisampleState.alphaToCoverageEnabled size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUFragmentState) == 64, "WGPUFragmentState size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUFragmentState) == 8, "WGPUFragmentState align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFragmentState, nextInChain) == 0,
                   "WGPUFragmentState.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFragmentState*)0)->nextInChain) == 8,
                   "WGPUFragmentState.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFragmentState, module) == 8, "WGPUFragmentState.module offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFragmentState*)0)->module) == 8, "WGPUFragmentState.module size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFragmentState, entryPoint) == 16,
                   "WGPUFragmentState.entryPoint offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFragmentState*)0)->entryPoint) == 16,
                   "WGPUFragmentState.entryPoint size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFragmentState, constantCount) == 32,
                   "WGPUFragmentState.constantCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFragmentState*)0)->constantCount) == 8,
                   "WGPUFragmentState.constantCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFragmentState, constants) == 40,
                   "WGPUFragmentState.constants offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFragmentState*)0)->constants) == 8,
                   "WGPUFragmentState.constants size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFragmentState, targetCount) == 48,
                   "WGPUFragmentState.targetCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFragmentState*)0)->targetCount) == 8,
                   "WGPUFragmentState.targetCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFragmentState, targets) == 56, "WGPUFragmentState.targets offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFragmentState*)0)->targets) == 8, "WGPUFragmentState.targets size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUColorTargetState) == 32, "WGPUColorTargetState size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUColorTargetState) == 8, "WGPUColorTargetState align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUColorTargetState, nextInChain) == 0,
                   "WGPUColorTargetState.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUColorTargetState*)0)->nextInChain) == 8,
                   "WGPUColorTargetState.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUColorTargetState, format) == 8,
                   "WGPUColorTargetState.format offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUColorTargetState*)0)->format) == 4,
                   "WGPUColorTargetState.format size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUColorTargetState, blend) == 16,
                   "WGPUColorTargetState.blend offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUColorTargetState*)0)->blend) == 8,
                   "WGPUColorTargetState.blend size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUColorTargetState, writeMask) == 24,
                   "WGPUColorTargetState.writeMask offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUColorTargetState*)0)->writeMask) == 8,
                   "WGPUColorTargetState.writeMask size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBlendState) == 24, "WGPUBlendState size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUBlendState) == 4, "WGPUBlendState align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBlendState, color) == 0, "WGPUBlendState.color offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBlendState*)0)->color) == 12, "WGPUBlendState.color size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBlendState, alpha) == 12, "WGPUBlendState.alpha offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBlendState*)0)->alpha) == 12, "WGPUBlendState.alpha size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBlendComponent) == 12, "WGPUBlendComponent size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUBlendComponent) == 4, "WGPUBlendComponent align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBlendComponent, operation) == 0,
                   "WGPUBlendComponent.operation offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBlendComponent*)0)->operation) == 4,
                   "WGPUBlendComponent.operation size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBlendComponent, srcFactor) == 4,
                   "WGPUBlendComponent.srcFactor offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBlendComponent*)0)->srcFactor) == 4,
                   "WGPUBlendComponent.srcFactor size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBlendComponent, dstFactor) == 8,
                   "WGPUBlendComponent.dstFactor offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBlendComponent*)0)->dstFactor) == 4,
                   "WGPUBlendComponent.dstFactor size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUConstantEntry) == 32, "WGPUConstantEntry size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUConstantEntry) == 8, "WGPUConstantEntry align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUConstantEntry, nextInChain) == 0,
                   "WGPUConstantEntry.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUConstantEntry*)0)->nextInChain) == 8,
                   "WGPUConstantEntry.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUConstantEntry, key) == 8, "WGPUConstantEntry.key offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUConstantEntry*)0)->key) == 16, "WGPUConstantEntry.key size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUConstantEntry, value) == 24, "WGPUConstantEntry.value offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUConstantEntry*)0)->value) == 8, "WGPUConstantEntry.value size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUCommandEncoderDescriptor) == 24, "WGPUCommandEncoderDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUCommandEncoderDescriptor) == 8,
                   "WGPUCommandEncoderDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUCommandEncoderDescriptor, nextInChain) == 0,
                   "WGPUCommandEncoderDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUCommandEncoderDescriptor*)0)->nextInChain) == 8,
                   "WGPUCommandEncoderDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUCommandEncoderDescriptor, label) == 8,
                   "WGPUCommandEncoderDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUCommandEncoderDescriptor*)0)->label) == 16,
                   "WGPUCommandEncoderDescriptor.label size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUCommandBufferDescriptor) == 24, "WGPUCommandBufferDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUCommandBufferDescriptor) == 8,
                   "WGPUCommandBufferDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUCommandBufferDescriptor, nextInChain) == 0,
                   "WGPUCommandBufferDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUCommandBufferDescriptor*)0)->nextInChain) == 8,
                   "WGPUCommandBufferDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUCommandBufferDescriptor, label) == 8,
                   "WGPUCommandBufferDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUCommandBufferDescriptor*)0)->label) == 16,
                   "WGPUCommandBufferDescriptor.label size");
WGPU_LAYOUT_ASSERT(sizeof(WGPURenderPassDescriptor) == 64, "WGPURenderPassDescriptor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPURenderPassDescriptor) == 8,
                   "WGPURenderPassDescriptor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassDescriptor, nextInChain) == 0,
                   "WGPURenderPassDescriptor.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassDescriptor*)0)->nextInChain) == 8,
                   "WGPURenderPassDescriptor.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassDescriptor, label) == 8,
                   "WGPURenderPassDescriptor.label offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassDescriptor*)0)->label) == 16,
                   "WGPURenderPassDescriptor.label size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassDescriptor, colorAttachmentCount) == 24,
                   "WGPURenderPassDescriptor.colorAttachmentCount offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassDescriptor*)0)->colorAttachmentCount) == 8,
                   "WGPURenderPassDescriptor.colorAttachmentCount size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassDescriptor, colorAttachments) == 32,
                   "WGPURenderPassDescriptor.colorAttachments offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassDescriptor*)0)->colorAttachments) == 8,
                   "WGPURenderPassDescriptor.colorAttachments size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassDescriptor, depthStencilAttachment) == 40,
                   "WGPURenderPassDescriptor.depthStencilAttachment offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassDescriptor*)0)->depthStencilAttachment) == 8,
                   "WGPURenderPassDescriptor.depthStencilAttachment size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassDescriptor, occlusionQuerySet) == 48,
                   "WGPURenderPassDescriptor.occlusionQuerySet offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassDescriptor*)0)->occlusionQuerySet) == 8,
                   "WGPURenderPassDescriptor.occlusionQuerySet size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassDescriptor, timestampWrites) == 56,
                   "WGPURenderPassDescriptor.timestampWrites offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassDescriptor*)0)->timestampWrites) == 8,
                   "WGPURenderPassDescriptor.timestampWrites size");
WGPU_LAYOUT_ASSERT(sizeof(WGPURenderPassColorAttachment) == 72,
                   "WGPURenderPassColorAttachment size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPURenderPassColorAttachment) == 8,
                   "WGPURenderPassColorAttachment align");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassColorAttachment, nextInChain) == 0,
                   "WGPURenderPassColorAttachment.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassColorAttachment*)0)->nextInChain) == 8,
                   "WGPURenderPassColorAttachment.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassColorAttachment, view) == 8,
                   "WGPURenderPassColorAttachment.view offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassColorAttachment*)0)->view) == 8,
                   "WGPURenderPassColorAttachment.view size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassColorAttachment, depthSlice) == 16,
                   "WGPURenderPassColorAttachment.depthSlice offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassColorAttachment*)0)->depthSlice) == 4,
                   "WGPURenderPassColorAttachment.depthSlice size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassColorAttachment, resolveTarget) == 24,
                   "WGPURenderPassColorAttachment.resolveTarget offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassColorAttachment*)0)->resolveTarget) == 8,
                   "WGPURenderPassColorAttachment.resolveTarget size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassColorAttachment, loadOp) == 32,
                   "WGPURenderPassColorAttachment.loadOp offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassColorAttachment*)0)->loadOp) == 4,
                   "WGPURenderPassColorAttachment.loadOp size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassColorAttachment, storeOp) == 36,
                   "WGPURenderPassColorAttachment.storeOp offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassColorAttachment*)0)->storeOp) == 4,
                   "WGPURenderPassColorAttachment.storeOp size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURenderPassColorAttachment, clearValue) == 40,
                   "WGPURenderPassColorAttachment.clearValue offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURenderPassColorAttachment*)0)->clearValue) == 32,
                   "WGPURenderPassColorAttachment.clearValue size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUColor) == 32, "WGPUColor size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUColor) == 8, "WGPUColor align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUColor, r) == 0, "WGPUColor.r offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUColor*)0)->r) == 8, "WGPUColor.r size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUColor, g) == 8, "WGPUColor.g offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUColor*)0)->g) == 8, "WGPUColor.g size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUColor, b) == 16, "WGPUColor.b offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUColor*)0)->b) == 8, "WGPUColor.b size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUColor, a) == 24, "WGPUColor.a offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUColor*)0)->a) == 8, "WGPUColor.a size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTexelCopyBufferInfo) == 24, "WGPUTexelCopyBufferInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUTexelCopyBufferInfo) == 8,
                   "WGPUTexelCopyBufferInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTexelCopyBufferInfo, layout) == 0,
                   "WGPUTexelCopyBufferInfo.layout offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTexelCopyBufferInfo*)0)->layout) == 16,
                   "WGPUTexelCopyBufferInfo.layout size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTexelCopyBufferInfo, buffer) == 16,
                   "WGPUTexelCopyBufferInfo.buffer offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTexelCopyBufferInfo*)0)->buffer) == 8,
                   "WGPUTexelCopyBufferInfo.buffer size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTexelCopyBufferLayout) == 16, "WGPUTexelCopyBufferLayout size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUTexelCopyBufferLayout) == 8,
                   "WGPUTexelCopyBufferLayout align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTexelCopyBufferLayout, offset) == 0,
                   "WGPUTexelCopyBufferLayout.offset offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTexelCopyBufferLayout*)0)->offset) == 8,
                   "WGPUTexelCopyBufferLayout.offset size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTexelCopyBufferLayout, bytesPerRow) == 8,
                   "WGPUTexelCopyBufferLayout.bytesPerRow offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTexelCopyBufferLayout*)0)->bytesPerRow) == 4,
                   "WGPUTexelCopyBufferLayout.bytesPerRow size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTexelCopyBufferLayout, rowsPerImage) == 12,
                   "WGPUTexelCopyBufferLayout.rowsPerImage offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTexelCopyBufferLayout*)0)->rowsPerImage) == 4,
                   "WGPUTexelCopyBufferLayout.rowsPerImage size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUTexelCopyTextureInfo) == 32, "WGPUTexelCopyTextureInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUTexelCopyTextureInfo) == 8,
                   "WGPUTexelCopyTextureInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTexelCopyTextureInfo, texture) == 0,
                   "WGPUTexelCopyTextureInfo.texture offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTexelCopyTextureInfo*)0)->texture) == 8,
                   "WGPUTexelCopyTextureInfo.texture size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTexelCopyTextureInfo, mipLevel) == 8,
                   "WGPUTexelCopyTextureInfo.mipLevel offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTexelCopyTextureInfo*)0)->mipLevel) == 4,
                   "WGPUTexelCopyTextureInfo.mipLevel size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTexelCopyTextureInfo, origin) == 12,
                   "WGPUTexelCopyTextureInfo.origin offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTexelCopyTextureInfo*)0)->origin) == 12,
                   "WGPUTexelCopyTextureInfo.origin size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUTexelCopyTextureInfo, aspect) == 24,
                   "WGPUTexelCopyTextureInfo.aspect offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUTexelCopyTextureInfo*)0)->aspect) == 4,
                   "WGPUTexelCopyTextureInfo.aspect size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUBufferMapCallbackInfo) == 40, "WGPUBufferMapCallbackInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUBufferMapCallbackInfo) == 8,
                   "WGPUBufferMapCallbackInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferMapCallbackInfo, nextInChain) == 0,
                   "WGPUBufferMapCallbackInfo.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferMapCallbackInfo*)0)->nextInChain) == 8,
                   "WGPUBufferMapCallbackInfo.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferMapCallbackInfo, mode) == 8,
                   "WGPUBufferMapCallbackInfo.mode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferMapCallbackInfo*)0)->mode) == 4,
                   "WGPUBufferMapCallbackInfo.mode size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferMapCallbackInfo, callback) == 16,
                   "WGPUBufferMapCallbackInfo.callback offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferMapCallbackInfo*)0)->callback) == 8,
                   "WGPUBufferMapCallbackInfo.callback size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferMapCallbackInfo, userdata1) == 24,
                   "WGPUBufferMapCallbackInfo.userdata1 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferMapCallbackInfo*)0)->userdata1) == 8,
                   "WGPUBufferMapCallbackInfo.userdata1 size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUBufferMapCallbackInfo, userdata2) == 32,
                   "WGPUBufferMapCallbackInfo.userdata2 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUBufferMapCallbackInfo*)0)->userdata2) == 8,
                   "WGPUBufferMapCallbackInfo.userdata2 size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUQueueWorkDoneCallbackInfo) == 40,
                   "WGPUQueueWorkDoneCallbackInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUQueueWorkDoneCallbackInfo) == 8,
                   "WGPUQueueWorkDoneCallbackInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUQueueWorkDoneCallbackInfo, nextInChain) == 0,
                   "WGPUQueueWorkDoneCallbackInfo.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUQueueWorkDoneCallbackInfo*)0)->nextInChain) == 8,
                   "WGPUQueueWorkDoneCallbackInfo.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUQueueWorkDoneCallbackInfo, mode) == 8,
                   "WGPUQueueWorkDoneCallbackInfo.mode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUQueueWorkDoneCallbackInfo*)0)->mode) == 4,
                   "WGPUQueueWorkDoneCallbackInfo.mode size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUQueueWorkDoneCallbackInfo, callback) == 16,
                   "WGPUQueueWorkDoneCallbackInfo.callback offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUQueueWorkDoneCallbackInfo*)0)->callback) == 8,
                   "WGPUQueueWorkDoneCallbackInfo.callback size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUQueueWorkDoneCallbackInfo, userdata1) == 24,
                   "WGPUQueueWorkDoneCallbackInfo.userdata1 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUQueueWorkDoneCallbackInfo*)0)->userdata1) == 8,
                   "WGPUQueueWorkDoneCallbackInfo.userdata1 size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUQueueWorkDoneCallbackInfo, userdata2) == 32,
                   "WGPUQueueWorkDoneCallbackInfo.userdata2 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUQueueWorkDoneCallbackInfo*)0)->userdata2) == 8,
                   "WGPUQueueWorkDoneCallbackInfo.userdata2 size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUPopErrorScopeCallbackInfo) == 40,
                   "WGPUPopErrorScopeCallbackInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUPopErrorScopeCallbackInfo) == 8,
                   "WGPUPopErrorScopeCallbackInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPopErrorScopeCallbackInfo, nextInChain) == 0,
                   "WGPUPopErrorScopeCallbackInfo.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPopErrorScopeCallbackInfo*)0)->nextInChain) == 8,
                   "WGPUPopErrorScopeCallbackInfo.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPopErrorScopeCallbackInfo, mode) == 8,
                   "WGPUPopErrorScopeCallbackInfo.mode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPopErrorScopeCallbackInfo*)0)->mode) == 4,
                   "WGPUPopErrorScopeCallbackInfo.mode size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPopErrorScopeCallbackInfo, callback) == 16,
                   "WGPUPopErrorScopeCallbackInfo.callback offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPopErrorScopeCallbackInfo*)0)->callback) == 8,
                   "WGPUPopErrorScopeCallbackInfo.callback size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPopErrorScopeCallbackInfo, userdata1) == 24,
                   "WGPUPopErrorScopeCallbackInfo.userdata1 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPopErrorScopeCallbackInfo*)0)->userdata1) == 8,
                   "WGPUPopErrorScopeCallbackInfo.userdata1 size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUPopErrorScopeCallbackInfo, userdata2) == 32,
                   "WGPUPopErrorScopeCallbackInfo.userdata2 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUPopErrorScopeCallbackInfo*)0)->userdata2) == 8,
                   "WGPUPopErrorScopeCallbackInfo.userdata2 size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUFutureWaitInfo) == 16, "WGPUFutureWaitInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUFutureWaitInfo) == 8, "WGPUFutureWaitInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFutureWaitInfo, future) == 0, "WGPUFutureWaitInfo.future offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFutureWaitInfo*)0)->future) == 8, "WGPUFutureWaitInfo.future size");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFutureWaitInfo, completed) == 8,
                   "WGPUFutureWaitInfo.completed offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFutureWaitInfo*)0)->completed) == 4,
                   "WGPUFutureWaitInfo.completed size");
WGPU_LAYOUT_ASSERT(sizeof(WGPUFuture) == 8, "WGPUFuture size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPUFuture) == 8, "WGPUFuture align");
WGPU_LAYOUT_ASSERT(offsetof(WGPUFuture, id) == 0, "WGPUFuture.id offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPUFuture*)0)->id) == 8, "WGPUFuture.id size");
WGPU_LAYOUT_ASSERT(sizeof(WGPURequestDeviceCallbackInfo) == 40,
                   "WGPURequestDeviceCallbackInfo size");
WGPU_LAYOUT_ASSERT(WGPU_LAYOUT_ALIGNOF(WGPURequestDeviceCallbackInfo) == 8,
                   "WGPURequestDeviceCallbackInfo align");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestDeviceCallbackInfo, nextInChain) == 0,
                   "WGPURequestDeviceCallbackInfo.nextInChain offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestDeviceCallbackInfo*)0)->nextInChain) == 8,
                   "WGPURequestDeviceCallbackInfo.nextInChain size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestDeviceCallbackInfo, mode) == 8,
                   "WGPURequestDeviceCallbackInfo.mode offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestDeviceCallbackInfo*)0)->mode) == 4,
                   "WGPURequestDeviceCallbackInfo.mode size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestDeviceCallbackInfo, callback) == 16,
                   "WGPURequestDeviceCallbackInfo.callback offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestDeviceCallbackInfo*)0)->callback) == 8,
                   "WGPURequestDeviceCallbackInfo.callback size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestDeviceCallbackInfo, userdata1) == 24,
                   "WGPURequestDeviceCallbackInfo.userdata1 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestDeviceCallbackInfo*)0)->userdata1) == 8,
                   "WGPURequestDeviceCallbackInfo.userdata1 size");
WGPU_LAYOUT_ASSERT(offsetof(WGPURequestDeviceCallbackInfo, userdata2) == 32,
                   "WGPURequestDeviceCallbackInfo.userdata2 offset");
WGPU_LAYOUT_ASSERT(sizeof(((WGPURequestDeviceCallbackInfo*)0)->userdata2) == 8,
                   "WGPURequestDeviceCallbackInfo.userdata2 size");
#undef WGPU_LAYOUT_ASSERT
#undef WGPU_LAYOUT_ALIGNOF
#endif /* UINTPTR_MAX == UINT64_MAX */

/* Functions (the browser's bridge, which declares the binding's own under
 * the same names, takes the types alone) */
#ifndef TALLOWICK_WEBGPU_TYPES_ONLY
WGPUInstance wgpuCreateInstance(WGPUInstanceDescriptor const* descriptor);
WGPUFuture wgpuInstanceRequestAdapter(WGPUInstance instance,
                                      WGPURequestAdapterOptions const* options,
                                      WGPURequestAdapterCallbackInfo callbackInfo);
void wgpuInstanceProcessEvents(WGPUInstance instance);
WGPUWaitStatus wgpuInstanceWaitAny(WGPUInstance instance, size_t futureCount,
                                   WGPUFutureWaitInfo* futures, uint64_t timeoutNS);
WGPUSurface wgpuInstanceCreateSurface(WGPUInstance instance,
                                      WGPUSurfaceDescriptor const* descriptor);
void wgpuInstanceRelease(WGPUInstance instance);
WGPUStatus wgpuAdapterGetInfo(WGPUAdapter adapter, WGPUAdapterInfo* info);
void wgpuAdapterInfoFreeMembers(WGPUAdapterInfo value);
WGPUDevice wgpuAdapterCreateDevice(WGPUAdapter adapter, WGPUDeviceDescriptor const* descriptor);
WGPUFuture wgpuAdapterRequestDevice(WGPUAdapter adapter, WGPUDeviceDescriptor const* options,
                                    WGPURequestDeviceCallbackInfo callbackInfo);
void wgpuAdapterRelease(WGPUAdapter adapter);
WGPUStatus wgpuSurfaceGetCapabilities(WGPUSurface surface, WGPUAdapter adapter,
                                      WGPUSurfaceCapabilities* capabilities);
void wgpuSurfaceCapabilitiesFreeMembers(WGPUSurfaceCapabilities value);
void wgpuSurfaceConfigure(WGPUSurface surface, WGPUSurfaceConfiguration const* config);
void wgpuSurfaceUnconfigure(WGPUSurface surface);
void wgpuSurfaceGetCurrentTexture(WGPUSurface surface, WGPUSurfaceTexture* surfaceTexture);
void wgpuSurfacePresent(WGPUSurface surface);
void wgpuSurfaceAddRef(WGPUSurface surface);
void wgpuSurfaceRelease(WGPUSurface surface);
WGPUQueue wgpuDeviceGetQueue(WGPUDevice device);
WGPUBuffer wgpuDeviceCreateBuffer(WGPUDevice device, WGPUBufferDescriptor const* descriptor);
WGPUTexture wgpuDeviceCreateTexture(WGPUDevice device, WGPUTextureDescriptor const* descriptor);
WGPUSampler wgpuDeviceCreateSampler(WGPUDevice device, WGPUSamplerDescriptor const* descriptor);
WGPUShaderModule wgpuDeviceCreateShaderModule(WGPUDevice device,
                                              WGPUShaderModuleDescriptor const* descriptor);
WGPUBindGroupLayout
wgpuDeviceCreateBindGroupLayout(WGPUDevice device, WGPUBindGroupLayoutDescriptor const* descriptor);
WGPUPipelineLayout wgpuDeviceCreatePipelineLayout(WGPUDevice device,
                                                  WGPUPipelineLayoutDescriptor const* descriptor);
WGPURenderPipeline wgpuDeviceCreateRenderPipeline(WGPUDevice device,
                                                  WGPURenderPipelineDescriptor const* descriptor);
WGPUBindGroup wgpuDeviceCreateBindGroup(WGPUDevice device,
                                        WGPUBindGroupDescriptor const* descriptor);
WGPUCommandEncoder wgpuDeviceCreateCommandEncoder(WGPUDevice device,
                                                  WGPUCommandEncoderDescriptor const* descriptor);
void wgpuDeviceTick(WGPUDevice device);
void wgpuDeviceRelease(WGPUDevice device);
void wgpuDevicePushErrorScope(WGPUDevice device, WGPUErrorFilter filter);
WGPUFuture wgpuDevicePopErrorScope(WGPUDevice device, WGPUPopErrorScopeCallbackInfo callbackInfo);
WGPUStatus wgpuDeviceGetAdapterInfo(WGPUDevice device, WGPUAdapterInfo* adapterInfo);
void wgpuQueueWriteBuffer(WGPUQueue queue, WGPUBuffer buffer, uint64_t bufferOffset,
                          void const* data, size_t size);
void wgpuQueueWriteTexture(WGPUQueue queue, WGPUTexelCopyTextureInfo const* destination,
                           void const* data, size_t dataSize,
                           WGPUTexelCopyBufferLayout const* dataLayout,
                           WGPUExtent3D const* writeSize);
void wgpuQueueSubmit(WGPUQueue queue, size_t commandCount, WGPUCommandBuffer const* commands);
WGPUFuture wgpuQueueOnSubmittedWorkDone(WGPUQueue queue,
                                        WGPUQueueWorkDoneCallbackInfo callbackInfo);
void wgpuQueueRelease(WGPUQueue queue);
WGPUTextureView wgpuTextureCreateView(WGPUTexture texture,
                                      WGPUTextureViewDescriptor const* descriptor);
void wgpuTextureRelease(WGPUTexture texture);
void wgpuTextureDestroy(WGPUTexture texture);
uint32_t wgpuTextureGetWidth(WGPUTexture texture);
uint32_t wgpuTextureGetHeight(WGPUTexture texture);
WGPUTextureFormat wgpuTextureGetFormat(WGPUTexture texture);
void wgpuTextureViewRelease(WGPUTextureView textureView);
WGPURenderPassEncoder wgpuCommandEncoderBeginRenderPass(WGPUCommandEncoder commandEncoder,
                                                        WGPURenderPassDescriptor const* descriptor);
void wgpuCommandEncoderCopyBufferToTexture(WGPUCommandEncoder commandEncoder,
                                           WGPUTexelCopyBufferInfo const* source,
                                           WGPUTexelCopyTextureInfo const* destination,
                                           WGPUExtent3D const* copySize);
void wgpuCommandEncoderCopyTextureToBuffer(WGPUCommandEncoder commandEncoder,
                                           WGPUTexelCopyTextureInfo const* source,
                                           WGPUTexelCopyBufferInfo const* destination,
                                           WGPUExtent3D const* copySize);
WGPUCommandBuffer wgpuCommandEncoderFinish(WGPUCommandEncoder commandEncoder,
                                           WGPUCommandBufferDescriptor const* descriptor);
void wgpuCommandEncoderRelease(WGPUCommandEncoder commandEncoder);
void wgpuRenderPassEncoderSetPipeline(WGPURenderPassEncoder renderPassEncoder,
                                      WGPURenderPipeline pipeline);
void wgpuRenderPassEncoderSetBindGroup(WGPURenderPassEncoder renderPassEncoder, uint32_t groupIndex,
                                       WGPUBindGroup group, size_t dynamicOffsetCount,
                                       uint32_t const* dynamicOffsets);
void wgpuRenderPassEncoderSetVertexBuffer(WGPURenderPassEncoder renderPassEncoder, uint32_t slot,
                                          WGPUBuffer buffer, uint64_t offset, uint64_t size);
void wgpuRenderPassEncoderSetIndexBuffer(WGPURenderPassEncoder renderPassEncoder, WGPUBuffer buffer,
                                         WGPUIndexFormat format, uint64_t offset, uint64_t size);
void wgpuRenderPassEncoderSetViewport(WGPURenderPassEncoder renderPassEncoder, float x, float y,
                                      float width, float height, float minDepth, float maxDepth);
void wgpuRenderPassEncoderSetScissorRect(WGPURenderPassEncoder renderPassEncoder, uint32_t x,
                                         uint32_t y, uint32_t width, uint32_t height);
void wgpuRenderPassEncoderSetBlendConstant(WGPURenderPassEncoder renderPassEncoder,
                                           WGPUColor const* color);
void wgpuRenderPassEncoderDrawIndexed(WGPURenderPassEncoder renderPassEncoder, uint32_t indexCount,
                                      uint32_t instanceCount, uint32_t firstIndex,
                                      int32_t baseVertex, uint32_t firstInstance);
void wgpuRenderPassEncoderDraw(WGPURenderPassEncoder renderPassEncoder, uint32_t vertexCount,
                               uint32_t instanceCount, uint32_t firstVertex,
                               uint32_t firstInstance);
void wgpuRenderPassEncoderEnd(WGPURenderPassEncoder renderPassEncoder);
void wgpuRenderPassEncoderRelease(WGPURenderPassEncoder renderPassEncoder);
void wgpuCommandBufferRelease(WGPUCommandBuffer commandBuffer);
WGPUFuture wgpuBufferMapAsync(WGPUBuffer buffer, WGPUMapMode mode, size_t offset, size_t size,
                              WGPUBufferMapCallbackInfo callbackInfo);
void const* wgpuBufferGetConstMappedRange(WGPUBuffer buffer, size_t offset, size_t size);
void* wgpuBufferGetMappedRange(WGPUBuffer buffer, size_t offset, size_t size);
void wgpuBufferUnmap(WGPUBuffer buffer);
void wgpuBufferRelease(WGPUBuffer buffer);
void wgpuBufferDestroy(WGPUBuffer buffer);
uint64_t wgpuBufferGetSize(WGPUBuffer buffer);
WGPUBufferUsage wgpuBufferGetUsage(WGPUBuffer buffer);
void wgpuSamplerRelease(WGPUSampler sampler);
void wgpuShaderModuleRelease(WGPUShaderModule shaderModule);
void wgpuBindGroupRelease(WGPUBindGroup bindGroup);
void wgpuBindGroupLayoutRelease(WGPUBindGroupLayout bindGroupLayout);
void wgpuPipelineLayoutRelease(WGPUPipelineLayout pipelineLayout);
void wgpuRenderPipelineRelease(WGPURenderPipeline renderPipeline);
WGPUBindGroupLayout wgpuRenderPipelineGetBindGroupLayout(WGPURenderPipeline renderPipeline,
                                                         uint32_t groupIndex);

#endif /* TALLOWICK_WEBGPU_TYPES_ONLY */

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* TALLOWICK_GPU_WEBGPU_H_ */
