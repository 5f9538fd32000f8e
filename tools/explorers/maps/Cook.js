// The three Pacific voyages of James Cook on a Pacific-centred world map.
const V = ['#c0392b', '#1f5fa8', '#1e8a4a'];
export default {
  title: 'James Cook',
  subtitle: '1728–1779',
  projection: { type: 'naturalEarth', rotate: [-160, 0], fitSphere: true, shiftY: -6, zoom: 1.2 },
  mapHeight: 350,
  graticuleStep: [30, 30],
  routes: [
    {
      color: V[2],
      width: 2.6,
      points: [
        [-4.1, 50.4], [-17, 30], [-20, 0], [18.4, -33.9], [69.5, -49.3], [147.5, -43.3], [174.3, -41.1],
        [-175.2, -21.1], [-149.5, -17.5], [-159.5, 22], [-140, 35], [-124.5, 44.5], [-126.6, 49.6],
        [-146, 59.5], [-165, 54], [-168.5, 65.8], [-161.9, 70.3], [-172, 64], [-166, 54], [-155.9, 19.5],
      ],
      arrows: [4, 10, 16],
    },
    {
      color: V[1],
      width: 2.6,
      points: [
        [-4.1, 50.4], [-17, 30], [-20, 0], [18.4, -33.9], [30, -55], [40, -66], [80, -60], [110, -55],
        [147, -48], [166.5, -45.8], [174.3, -41.1], [-150, -58], [-120, -66], [-106.9, -71.2], [-109.4, -27.1],
        [-139.5, -9.8], [-149.5, -17.5], [-175.2, -21.1], [168, -16], [165.5, -21], [174.3, -41.1],
        [-120, -55], [-67.3, -56.3], [-36.5, -54.3], [-10, -45], [18.4, -33.9],
      ],
      arrows: [6, 12, 22],
    },
    {
      color: V[0],
      points: [
        [-4.1, 50.4], [-16.9, 32.6], [-30, 5], [-43.2, -22.9], [-60, -45], [-67.3, -56.3], [-90, -45],
        [-149.5, -17.5], [-160, -25], [178, -38.7], [174.8, -36.5], [172.7, -34.4], [174.2, -39.5], [171, -44],
        [166.5, -46.5], [174, -41.5], [151.2, -34.0], [153.5, -28], [151, -23], [146.5, -19], [145.3, -15.5],
        [142.5, -10.7], [130, -9.5], [106.8, -6.2], [80, -20], [18.4, -34.4], [-5.7, -16], [-20, 20], [1.4, 51.2],
      ],
      arrows: [7, 18],
    },
  ],
  places: [
    { name: 'Tahiti', at: [-149.5, -17.5], pos: 'e' },
    { name: 'Nowa\nZelandia', at: [174.5, -40], pos: 'se' },
    { name: 'Zatoka\nBotaniczna', at: [151.2, -34.0], pos: 'w' },
    { name: 'Hawaje', at: [-155.9, 19.5], pos: 'e' },
    { name: 'Cieśnina\nBeringa', at: [-168.5, 65.8], pos: 'w' },
    { name: 'Australia', at: [134, -25], kind: 'area' },
  ],
  legend: [
    { color: V[0], text: 'pierwsza wyprawa, Endeavour (1768–1771)' },
    { color: V[1], text: 'druga wyprawa, Resolution i Adventure (1772–1775)' },
    { color: V[2], text: 'trzecia wyprawa, Resolution i Discovery (1776–1779)' },
  ],
  timeline: [
    ['3 VI 1769', 'Wenus na tle Słońca'],
    ['1769–1770', 'Nowa Zelandia'],
    ['1770', 'wybrzeże Australii'],
    ['17 I 1773', 'koło podbiegunowe'],
    ['1778', 'Hawaje, Cieśn. Beringa'],
    ['14 II 1779', 'śmierć na Hawajach'],
  ],
  timelineDateWidth: 90,
};
