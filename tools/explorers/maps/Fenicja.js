// Phoenician cities and colonies, the voyage round Africa told by Herodotus
// and Hanno's voyage along West Africa.
const colony = (name, at, pos) => ({ name, at, pos });

export default {
  title: 'Fenicjanie',
  subtitle: 'żeglarze starożytności, ok. 1200–146 p.n.e.',
  projection: { type: 'equirectangular', rotate: [-20, 0], fit: [[-22, 47], [58, 47], [-22, -37], [58, -37]] },
  pad: 4,
  routes: [
    {
      color: '#b3261e',
      dashed: true,
      points: [
        [32.5, 29.9], [34.5, 27], [38, 20], [43.3, 12.6], [51.5, 11.9], [49.5, 5], [44, -1], [41, -5],
        [41, -12], [36.5, -20], [34, -26], [30.5, -31.5], [25, -34.5], [20, -35.3], [16.5, -30], [12.5, -20],
        [11.5, -10], [8.5, -3], [5, 3], [0, 4.5], [-7, 4], [-13.5, 8], [-18, 14.7], [-17.8, 21], [-13.5, 28],
        [-9.8, 33], [-6, 35.9], [0, 37], [10, 37.8], [15, 35], [20, 34], [25, 33.8], [29, 32], [30.5, 31.6],
      ],
      arrows: [6, 15, 23],
    },
    {
      color: '#1f5fa8',
      points: [[10.3, 36.9], [5, 37.5], [-2, 36.3], [-6, 35.9], [-9.8, 32.5], [-13.5, 27.5], [-17, 21], [-17.8, 15], [-16, 11], [-13.3, 8.5]],
      arrows: [5],
    },
  ],
  places: [
    colony('Tyr i Sydon', [35.2, 33.3], 'e'),
    colony('Kartagina', [10.3, 36.9], 'n'),
    colony('Gades (Kadyks)', [-6.3, 36.5], 'nw'),
    colony('Egipt', [31.2, 30.0], 'sw'),
  ],
  seaLabels: [
    { name: 'Ocean\nAtlantycki', at: [-12, -8], size: 12 },
    { name: 'Ocean\nIndyjski', at: [52, -18], size: 12 },
    { name: 'Morze Śródziemne', at: [19, 35.4], size: 10 },
  ],
  legend: [
    { color: '#b3261e', dashed: true, text: 'wyprawa wokół Afryki (ok. 600 p.n.e.)' },
    { color: '#1f5fa8', text: 'rejs Hannona z Kartaginy (V wiek p.n.e.)' },
  ],
};
