// Skinned models: the texture lit by the vertex shader's intensity.
uniform sampler2D sTexture;

varying float LightIntensity;
varying vec2 TexCoord;

void main()
{
    vec4 colour = texture2D(sTexture, TexCoord);
    gl_FragColor = vec4(colour.rgb * LightIntensity, colour.a);
}
