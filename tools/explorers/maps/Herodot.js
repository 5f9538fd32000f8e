// Herodotus's travels as far as his own account lets us follow them.
const COLOR = '#9c3d12';
export default {
  title: 'Herodot',
  subtitle: 'ok. 484 – ok. 425 p.n.e.',
  projection: { type: 'equirectangular', rotate: [-30, 0], fit: [[15, 23], [46, 23], [15, 47.5], [46, 47.5]] },
  pad: 6,
  routes: [
    { color: COLOR, points: [[27.4, 37], [28.3, 35.9], [30, 32.5], [31, 31.5], [31.1, 30.5], [31.25, 29.85], [30.8, 28.5], [31.2, 27.2], [32.5, 26], [32.7, 25.4], [32.9, 24.1]], arrows: [2, 7] },
    { color: COLOR, points: [[27.4, 37], [29, 35.8], [33, 34.2], [35.2, 33.3]], arrows: [1] },
    { color: COLOR, dashed: true, points: [[35.2, 33.3], [36.8, 34.8], [38.5, 35.9], [40.5, 34.5], [43, 33], [44.4, 32.5]], arrows: [3] },
    { color: COLOR, points: [[27.4, 37], [26.3, 38.8], [26, 40], [26.6, 40.4], [28, 40.7], [29, 41.1], [29.8, 42.3], [30.7, 45], [31.9, 46.6]], arrows: [6] },
    { color: COLOR, points: [[27.4, 37], [26, 37.1], [24.5, 37.6], [23.7, 37.9]] },
    { color: COLOR, points: [[23.7, 37.9], [23.6, 37.6], [23.1, 36.3], [21.6, 36.6], [20.2, 38.2], [18.8, 39.7], [17.3, 39.9], [16.5, 39.7]], arrows: [4] },
  ],
  places: [
    { name: 'Halikarnas', at: [27.4, 37.0], pos: 'e', kind: 'star' },
    { name: 'Ateny', at: [23.7, 37.9], pos: 'n' },
    { name: 'Turioj', at: [16.5, 39.7], pos: 'n' },
    { name: 'Olbia', at: [31.9, 46.6], pos: 'e' },
    { name: 'Tyr', at: [35.2, 33.3], pos: 'w' },
    { name: 'Babilon', at: [44.4, 32.5], pos: 's' },
    { name: 'Memfis', at: [31.25, 29.85], pos: 'w' },
    { name: 'Elefantyna', at: [32.9, 24.1], pos: 'e' },
  ],
  seaLabels: [
    { name: 'Morze Czarne', at: [34.5, 43.4], size: 12 },
    { name: 'Morze Śródziemne', at: [21, 34.2], size: 12 },
  ],
  legend: [
    { color: COLOR, text: 'podróże Herodota (przybliżone trasy)' },
    { color: COLOR, dashed: true, text: 'droga do Babilonu – nie wiadomo, czy ją odbył' },
  ],
};
